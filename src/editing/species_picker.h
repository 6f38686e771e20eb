// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "platform.h"
#include "record_book.h"

class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QPushButton;

namespace rodwick {

// The species picker "Fish Selection": names double-clicked in the sorted species list are
// appended to an editable selection, which Okay hands to the picker's target.
class SpeciesPicker : public QDialog {
    Q_OBJECT

  public:
    // Target: the record editor's species box. Nothing reaches the table until the editor
    // itself commits.
    SpeciesPicker(QPlainTextEdit& speciesBox, platform::Platform& platform,
                  QWidget* parent = nullptr);
    // Target: the species of the current record (the quick edit of its label), written
    // at Okay.
    SpeciesPicker(RecordBook& book, platform::Platform& platform, QWidget* parent = nullptr);

    // Centres the picker, puts the target's text into the selection and fills the list.
    void load();
    // Appends the name and ", " to the selection; nothing goes before the name.
    void appendSpecies(const QListWidgetItem& item);
    // Hands the selection to the target unchanged, redraws the main window and closes.
    void confirm();
    // Closes; nothing is stored anywhere.
    void cancel();

  private:
    SpeciesPicker(RecordBook* book, QPlainTextEdit* speciesBox, platform::Platform& platform,
                  QWidget* parent);
    void buildControls();

    RecordBook* book_;           // the record target, or null
    QPlainTextEdit* editorBox_;  // the editor target, or null
    platform::Platform& platform_;

    QListWidget* speciesList_ = nullptr;
    QPlainTextEdit* selection_ = nullptr;
    QPushButton* okayButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

// Opens the picker modally on the record editor's species box (the editor's select button).
void pickSpeciesForEditor(QPlainTextEdit& speciesBox, platform::Platform& platform,
                          QWidget* parent);
// Opens the picker modally on the species of the current record (the quick edit of the
// species label). Does nothing while the table holds no record.
void pickSpeciesForCurrentRecord(RecordBook& book, platform::Platform& platform, QWidget* parent);

}  // namespace rodwick
