// SPDX-License-Identifier: GPL-3.0-or-later
#include "csv_commands.h"

#include <QCoreApplication>

#include "csv_headings.h"
#include "csv_import_window.h"
#include "csv_writer.h"
#include "please_wait.h"
#include "text.h"
#include "widgets.h"

namespace rodwick {

namespace {

QString importTitle() {
    return QCoreApplication::translate("SpreadsheetFiles", "Import from Spreadsheet");
}

void tellImportFailure(platform::Platform& platform, const QString& text) {
    //: %1 is why the import failed, a sentence of its own.
    platform.showMessage(
        {QCoreApplication::translate("SpreadsheetFiles", "%1 Nothing was imported.").arg(text),
         importTitle(), platform::Buttons::Ok, platform::Icon::Stop});
}

}  // namespace

void exportCsv(const RecordTable& table, const UnitNames& units, platform::Platform& platform,
               const FileOps& ops) {
    exportCsv(std::span<const TripRecord>(&table.slot(1), table.recordCount()), units, platform,
              ops);
}

void exportCsv(std::span<const TripRecord> records, const UnitNames& units,
               platform::Platform& platform, const FileOps& ops) {
    const platform::FileDialogOptions options{
        QCoreApplication::translate("SpreadsheetFiles", "CSV files (*.csv)") +
            QStringLiteral("|*.csv"),
        1, QString(), QStringLiteral("csv")};
    const QString chosen = platform.saveFileDialog(options);
    if (chosen.isEmpty()) return;
    const std::string path = toPath(chosen);
    if (fileExists(path)) {
        const platform::Message question{
            QCoreApplication::translate("SpreadsheetFiles",
                                        "This file already exists. Overwrite the file"),
            QCoreApplication::translate("SpreadsheetFiles", "Export to Spreadsheet"),
            platform::Buttons::YesNo, platform::Icon::Exclamation};
        if (platform.showMessage(question) != platform::Answer::Yes) return;
    }

    const Status written = [&] {
        const BusyPointer busy(platform);
        return writeFileAtomically(path, csvFileBytes(records, csvHeadingsInLanguage(units)), ops);
    }();
    if (written.ok()) return;
    platform.showMessage(
        writeFailure(QCoreApplication::translate("SpreadsheetFiles", "export"), chosen, written,
                     QCoreApplication::translate("SpreadsheetFiles", "No file was written."),
                     QCoreApplication::translate("SpreadsheetFiles", "Export")));
}

void importCsv(platform::Platform& platform, const RecordTable& table, const UnitNames& units,
               const AppendTrips& append, QWidget* parent) {
    const platform::FileDialogOptions options{
        QCoreApplication::translate("SpreadsheetFiles", "CSV files (*.csv)") +
            QStringLiteral("|*.csv|") +
            QCoreApplication::translate("SpreadsheetFiles", "Text files (*.txt)") +
            QStringLiteral("|*.txt|") +
            QCoreApplication::translate("SpreadsheetFiles", "All files (*.*)") +
            QStringLiteral("|*.*"),
        1, QCoreApplication::translate("SpreadsheetFiles", "Import from Spreadsheet (CSV)"),
        QString()};
    const QString chosen = platform.openFileDialog(options);
    if (chosen.isEmpty()) return;

    const Result<std::string> bytes = readFileBytes(toPath(chosen));
    if (!bytes.ok()) {
        //: %1 is the file, %2 the system's reason.
        tellImportFailure(platform,
                          QCoreApplication::translate("SpreadsheetFiles", "Could not read %1: %2.")
                              .arg(chosen, QString::fromStdString(bytes.error())));
        return;
    }
    const std::string_view text = withoutBom(bytes.value());
    if (text.find_first_not_of(" \t\r\n") == std::string_view::npos) {
        tellImportFailure(
            platform, QCoreApplication::translate("SpreadsheetFiles", "%1 is empty.").arg(chosen));
        return;
    }
    if (looksBinary(text)) {
        tellImportFailure(
            platform,
            QCoreApplication::translate("SpreadsheetFiles", "%1 is not a text file.").arg(chosen));
        return;
    }

    const int room = RecordTable::kMaxRecords - table.recordCount();
    CsvImportWindow window(bytes.value(), units, room, platform, parent);
    if (platform.showModal(window) != QDialog::Accepted) return;

    const CsvImportPlan& plan = window.plan();
    if (plan.tripCount > static_cast<std::size_t>(room)) {
        // The same rule as merging: all of a file's trips or none.
        platform.showMessage(
            {QCoreApplication::translate(
                 "SpreadsheetFiles",
                 "Only %1 of the %2 trips in this file would fit: a database holds at most %3 "
                 "records. Nothing was imported.")
                 .arg(room)
                 .arg(plan.tripCount)
                 .arg(RecordTable::kMaxRecords),
             importTitle(), platform::Buttons::Ok, platform::Icon::Exclamation});
        return;
    }
    const Status appended = append(plan.records);
    if (!appended.ok()) {
        tellImportFailure(platform, QString::fromStdString(appended.message()) + QLatin1Char('.'));
    }
}

}  // namespace rodwick
