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
class RecordEditor : public QDialog {
    Q_OBJECT

  public:
    // editorMode is read as the command that opens the editor has just set it: 1 edits the
    // current record, anything else adds. The commands never change it while this editor is
    // open, so the value still holds when Okay is pressed.
    RecordEditor(RecordBook& book, platform::Platform& platform, MainView& view, int editorMode,
                 QWidget* parent = nullptr);

    // Caption, unit labels, the boxes' texts, the fixed lists and the suggestions, under the
    // busy title and pointer.
    void load();
    // The commit: the limit of 250 records when adding, the question when editing, then the
    // boxes into the table, the editor closed and the main window redrawn.
    void confirm();
    void cancel();
    void putToday();
    void pickSpecies();
    void raisePrice();
    void lowerPrice();
    void raiseTemperature();
    void lowerTemperature();
    void updatePriceSteps();
    void updateTemperatureSteps();

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
    QComboBox* venueBox_ = nullptr;
    QComboBox* waterTypeBox_ = nullptr;
    QLineEdit* priceBox_ = nullptr;
    QComboBox* clubBox_ = nullptr;
    QComboBox* waterConditionBox_ = nullptr;
    QComboBox* weatherBox_ = nullptr;
    QLineEdit* temperatureBox_ = nullptr;
    QComboBox* baitBox_ = nullptr;
    QPlainTextEdit* speciesBox_ = nullptr;
    QComboBox* bestFishBox_ = nullptr;
    QLineEdit* dateBox_ = nullptr;
    // Label6, Label7, Label14, Label15, Label20, Label21.
    std::array<QLabel*, 6> unitLabels_{};

    QPushButton* okayButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* todayButton_ = nullptr;
    QPushButton* temperatureDown_ = nullptr;
    QPushButton* temperatureUp_ = nullptr;
    QPushButton* priceDown_ = nullptr;
    QPushButton* priceUp_ = nullptr;
    QPushButton* speciesButton_ = nullptr;
};

}  // namespace rodwick
