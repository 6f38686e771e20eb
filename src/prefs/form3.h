#pragma once

#include <QDialog>
#include <QString>

#include "database_file.h"
#include "main_view.h"
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
class Form3 : public QDialog {
    Q_OBJECT

  public:
    // ops: the system calls the settings file is written with (tests make them fail).
    Form3(RecordBook& book, platform::Platform& platform, MainView& view, QWidget* parent = nullptr,
          FileOps ops = FileOps::System());

    void Form_Load();
    void autosel_Click();
    void cancel_Click();
    void okay_Click();

    // The path the file label stands for (the label may show it shortened).
    const QString& fileCaption() const { return fileCaption_; }

  private:
    void buildControls();
    void setFileCaption(const QString& path);

    RecordBook& book_;
    platform::Platform& platform_;
    MainView& view_;
    FileOps ops_;
    QString fileCaption_;
    // The name the file dialog holds: the last file chosen while this window is open.
    QString CMDialog1FileName_;

    QGroupBox* Frame3_ = nullptr;
    QCheckBox* ven_ = nullptr;
    QGroupBox* Frame2_ = nullptr;
    QLabel* file_ = nullptr;
    QPushButton* autosel_ = nullptr;
    QGroupBox* Frame1_ = nullptr;
    QRadioButton* mesmet_ = nullptr;
    QRadioButton* mesimp_ = nullptr;
    QPushButton* okay_ = nullptr;
    QPushButton* cancel_ = nullptr;
    Drawing* Image1_ = nullptr;
};

}  // namespace rodwick
