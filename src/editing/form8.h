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
class Form8 : public QDialog {
    Q_OBJECT

  public:
    // quickEditField as the main window has just set it: which field, and so which mode. A
    // code without a mode of this dialog shows an empty list and stores nothing.
    Form8(RecordBook& book, platform::Platform& platform, MainView& view, int quickEditField,
          QWidget* parent = nullptr);

    // Under the busy title and pointer: centres the dialog and prepares the mode's editor
    // from the current record's field.
    void Form_Load();
    // Stores the editor's text into the field unchanged (line breaks as blanks), also when it
    // is empty, and closes.
    void okay_Click();
    // Closes without storing; Escape and the close box do the same.
    void cancel_Click();
    // Today's date as mm-dd-yyyy into ind.
    void putdate_Click();
    // The number in hoco up or down by one, within the bounds of its kind.
    void more_Click();
    void less_Click();
    // + and - are enabled exactly while hoco holds a number of the mode's kind.
    void hoco_Change();

    // The text Okay would store, before line breaks become blanks.
    QString editorText() const;

  private:
    void buildControls();
    NumberKind numberKind() const;

    RecordBook& book_;
    platform::Platform& platform_;
    MainView& view_;
    // The row of quickEditField when it is a mode of this dialog, else null.
    const QuickEditRow* const row_;

    QLabel* mess_ = nullptr;
    QComboBox* ots_ = nullptr;
    QLineEdit* ind_ = nullptr;
    QPushButton* putdate_ = nullptr;
    QLineEdit* hoco_ = nullptr;
    QPushButton* more_ = nullptr;
    QPushButton* less_ = nullptr;
    QLabel* LabCel_ = nullptr;
    QPlainTextEdit* enttext_ = nullptr;
    QPushButton* okay_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

// Opens a fresh Form8 modally on the current record under quickEditField. Does nothing while
// the table holds no record. The caller redraws the view after it.
void QuickEditInDialog(RecordBook& book, platform::Platform& platform, MainView& view,
                       int quickEditField, QWidget* parent);

}  // namespace rodwick
