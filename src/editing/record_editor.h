// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <ostream>

#include "main_view.h"
#include "platform.h"
#include "record_book.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace rodwick {

// Which record editor the Edit menu opens.
enum class EditorMode {
    Add,   // modeless; Okay appends a record
    Edit,  // modal; Okay changes the current record
};
std::ostream& operator<<(std::ostream& out, EditorMode mode);

// The refusal of a 251st record, when adding or duplicating.
void tellRecordLimit(platform::Platform& platform);

// The record editor: one box per field of a trip, fixed lists and suggestions, and small
// buttons for the price, the temperature, the date and the species. Okay commits the boxes
// to the table.
class RecordEditor : public QDialog {
    Q_OBJECT

  public:
    // The mode the command that opens the editor has just set; the commands never change it
    // while this editor is open, so it still holds when Okay is pressed.
    RecordEditor(RecordBook& book, platform::Platform& platform, MainView& view, EditorMode mode,
                 QWidget* parent = nullptr);

    // Caption, unit labels, the boxes' texts, the fixed lists and the suggestions, under the
    // busy title and pointer.
    void load();
    // Puts file texts into the boxes of their fields, after load, as if typed.
    void fill(const FieldTexts& texts);
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

  signals:
    // An add's trip has gone into the table as record n; sent before the editor closes.
    void added(int n);

  public:
    EditorMode mode() const { return mode_; }
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
    const EditorMode mode_;

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
