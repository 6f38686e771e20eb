#pragma once

#include <QDialog>
#include <QString>
#include <array>

#include "main_view.h"
#include "platform.h"
#include "record_book.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace rodwick {

// editorMode: which record editor the Edit menu opens.
inline constexpr int kEditorAdd = 0;   // modeless; Okay appends a record
inline constexpr int kEditorEdit = 1;  // modal; Okay changes the current record

// The refusal of a 251st record, when adding or duplicating.
void TellRecordLimit(platform::Platform& platform);

// The record editor: one box per field of a trip, fixed lists and suggestions, and small
// buttons for the price, the temperature, the date and the species. Okay commits the boxes
// to the table.
class Form2 : public QDialog {
    Q_OBJECT

  public:
    // editorMode is read as the command that opens the editor has just set it: 1 edits the
    // current record, anything else adds. The commands never change it while this editor is
    // open, so the value still holds when Okay is pressed.
    Form2(RecordBook& book, platform::Platform& platform, MainView& view, int editorMode,
          QWidget* parent = nullptr);

    // Caption, unit labels, the boxes' texts, the fixed lists and the suggestions, under the
    // busy title and pointer.
    void Form_Load();
    // The commit: the limit of 250 records when adding, the question when editing, then the
    // boxes into the table, the editor closed and the main window redrawn.
    void okay_Click();
    void cancel_Click();
    void today_Click();
    void select_Click();
    void cmore_Click();
    void cless_Click();
    void more_Click();
    void less_Click();
    void edday_Change();
    void edtemp_Change();

    int editorMode() const { return editorMode_; }
    // The text of the box of a field, as it would be committed before line breaks are turned
    // into blanks.
    QString boxText(Field field) const;

  private:
    void buildControls();
    void setBoxText(Field field, const QString& text);
    // The 22 texts as the commit stores them.
    TripRecord boxesAsRecord() const;

    RecordBook& book_;
    platform::Platform& platform_;
    MainView& view_;
    const int editorMode_;

    std::array<QWidget*, kFieldCount> boxes_{};
    QComboBox* edven_ = nullptr;
    QComboBox* edtype_ = nullptr;
    QLineEdit* edday_ = nullptr;
    QComboBox* edclub_ = nullptr;
    QComboBox* edwater_ = nullptr;
    QComboBox* edweather_ = nullptr;
    QLineEdit* edtemp_ = nullptr;
    QComboBox* edbait_ = nullptr;
    QPlainTextEdit* edspec_ = nullptr;
    QComboBox* edname_ = nullptr;
    QLineEdit* eddat_ = nullptr;
    // Label6, Label7, Label14, Label15, Label20, Label21.
    std::array<QLabel*, 6> unitLabels_{};

    QPushButton* okay_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* today_ = nullptr;
    QPushButton* less_ = nullptr;
    QPushButton* more_ = nullptr;
    QPushButton* cless_ = nullptr;
    QPushButton* cmore_ = nullptr;
    QPushButton* select_ = nullptr;
};

}  // namespace rodwick
