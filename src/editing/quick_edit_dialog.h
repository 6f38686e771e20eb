// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "main_view.h"
#include "number_fields.h"
#include "platform.h"
#include "quick_edit.h"
#include "record_book.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace rodwick {

// The quick-edit dialog "Quickedit": one field of the current record in one of twelve modes
// (a list, the date, a number with + and -, or free text), stored at Okay.
class QuickEditDialog : public QDialog {
    Q_OBJECT

  public:
    // The row of the value label the user worked: which field, and so which mode. A row whose
    // editor is not a mode of this dialog shows an empty list and stores nothing.
    QuickEditDialog(RecordBook& book, platform::Platform& platform, MainView& view,
                    const QuickEditRow& row, QWidget* parent = nullptr);

    // Under the busy title and pointer: centres the dialog and prepares the mode's editor
    // from the current record's field.
    void load();
    // Stores the editor's text into the field unchanged (line breaks as blanks), also when it
    // is empty, and closes.
    void confirm();
    // Closes without storing; Escape and the close box do the same.
    void cancel();
    // Today's date as mm-dd-yyyy into the date box.
    void putToday();
    // The number in the number box up or down by one, within the bounds of its kind.
    void stepUp();
    void stepDown();
    // + and - are enabled exactly while the number box holds a number of the mode's kind.
    void updateSteps();

    // The text Okay would store, before line breaks become blanks.
    QString editorText() const;

  private:
    void buildControls();
    NumberKind numberKind() const;

    RecordBook& book_;
    platform::Platform& platform_;
    MainView& view_;
    // The row when its editor is a mode of this dialog, else null.
    const QuickEditRow* const row_;

    QLabel* prompt_ = nullptr;
    QComboBox* listBox_ = nullptr;
    QLineEdit* dateBox_ = nullptr;
    QPushButton* todayButton_ = nullptr;
    QLineEdit* numberBox_ = nullptr;
    QPushButton* upButton_ = nullptr;
    QPushButton* downButton_ = nullptr;
    QLabel* degreeLabel_ = nullptr;
    QPlainTextEdit* textBox_ = nullptr;
    QPushButton* okayButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

// Opens a fresh QuickEditDialog modally on the current record for the row. Does nothing
// while the table holds no record. The caller redraws the view after it.
void quickEditInDialog(RecordBook& book, platform::Platform& platform, MainView& view,
                       const QuickEditRow& row, QWidget* parent);

}  // namespace rodwick
