// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>

#include "database_file.h"
#include "platform.h"
#include "record_book.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace rodwick {

// The export window ("export"): the current record or all records, in one of three formats,
// to a file chosen in the save dialog. The class name carries an underscore because
// "export" is a C++ keyword.
class ExportDialog : public QDialog {
    Q_OBJECT

  public:
    // The save dialog's filter list: native, text, sister edition, all files; the descriptions
    // in the windows' language, the patterns as they are.
    static QString exportFilter();

    // File writes go through ops, so that tests can make them fail.
    ExportDialog(RecordBook& book, platform::Platform& platform, QWidget* parent = nullptr,
                 FileOps ops = FileOps::system());

    void load();
    void chooseNativeFormat();
    void chooseSisterFormat();
    void chooseTextFormat();
    void chooseAllRecords();
    void chooseCurrentRecord();
    void confirm();
    void cancel();

    // The three writers: each writes exportFileName, or tells the user why it could not.
    void writeNativeFile();
    void writeTextFile();
    void writeSisterFile();

  private:
    void writeExport(const std::string& bytes);

    RecordBook& book_;
    platform::Platform& platform_;
    FileOps ops_;
    bool exportAll_ = false;
    QString exportFileName_;

    QGroupBox* recordsGroup_ = nullptr;
    QRadioButton* allRecords_ = nullptr;
    QRadioButton* currentRecord_ = nullptr;
    QGroupBox* formatGroup_ = nullptr;
    QRadioButton* nativeFormat_ = nullptr;
    QRadioButton* textFormat_ = nullptr;
    QRadioButton* sisterFormat_ = nullptr;
    QPushButton* okayButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QLabel* picture_ = nullptr;
};

}  // namespace rodwick
