// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>

#include "database_file.h"
#include "platform.h"
#include "record_book.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace rodwick {

class Drawing;

// The preferences: measurement system, the database loaded at start and the venue option.
// Confirming puts them into force and writes the settings file.
class PreferencesDialog : public QDialog {
    Q_OBJECT

  public:
    // ops: the system calls the settings file is written with (tests make them fail).
    PreferencesDialog(RecordBook& book, platform::Platform& platform, QWidget* parent = nullptr,
                      FileOps ops = FileOps::system());

    void load();
    void chooseStartFile();
    void cancel();
    void confirm();

    // The path the file label stands for (the label may show it shortened).
    const QString& fileCaption() const { return fileCaption_; }

  private:
    void buildControls();
    void setFileCaption(const QString& path);

    RecordBook& book_;
    platform::Platform& platform_;
    FileOps ops_;
    QString fileCaption_;
    // The name the file dialog holds: the last file chosen while this window is open.
    QString chosenFileName_;

    QGroupBox* optionsGroup_ = nullptr;
    QCheckBox* venueOption_ = nullptr;
    QGroupBox* autoloadGroup_ = nullptr;
    QLabel* fileLabel_ = nullptr;
    QPushButton* chooseFileButton_ = nullptr;
    QGroupBox* measurementGroup_ = nullptr;
    QRadioButton* metric_ = nullptr;
    QRadioButton* imperial_ = nullptr;
    QPushButton* okayButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    Drawing* balancePicture_ = nullptr;
};

}  // namespace rodwick
