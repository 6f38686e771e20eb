// SPDX-License-Identifier: GPL-3.0-or-later
#include "csv_commands.h"

#include "csv_import_window.h"
#include "csv_writer.h"
#include "please_wait.h"
#include "text.h"
#include "widgets.h"

namespace rodwick {

namespace {

const QString kImportTitle = QStringLiteral("Import from Spreadsheet");

void tellImportFailure(platform::Platform& platform, const QString& text) {
    platform.showMessage({text + QStringLiteral(" Nothing was imported."), kImportTitle,
                          platform::Buttons::Ok, platform::Icon::Stop});
}

}  // namespace

void exportCsv(const RecordTable& table, const UnitNames& units, platform::Platform& platform,
               const FileOps& ops) {
    exportCsv(std::span<const TripRecord>(&table.slot(1), table.recordCount()), units, platform,
              ops);
}

void exportCsv(std::span<const TripRecord> records, const UnitNames& units,
               platform::Platform& platform, const FileOps& ops) {
    const platform::FileDialogOptions options{QStringLiteral("CSV files (*.csv)|*.csv"), 1,
                                              QString(), QStringLiteral("csv")};
    const QString chosen = platform.saveFileDialog(options);
    if (chosen.isEmpty()) return;
    const std::string path = toPath(chosen);
    if (fileExists(path)) {
        const platform::Message question{
            QStringLiteral("This file already exists. Overwrite the file"),
            QStringLiteral("Export to Spreadsheet"), platform::Buttons::YesNo,
            platform::Icon::Exclamation};
        if (platform.showMessage(question) != platform::Answer::Yes) return;
    }

    const Status written = [&] {
        const BusyPointer busy(platform);
        return writeFileAtomically(path, csvFileBytes(records, units), ops);
    }();
    if (written.ok()) return;
    platform.showMessage(writeFailure(QStringLiteral("export"), chosen, written,
                                      QStringLiteral("No file was written."),
                                      QStringLiteral("Export")));
}

void importCsv(platform::Platform& platform, const RecordTable& table, const UnitNames& units,
               const AppendTrips& append, QWidget* parent) {
    const platform::FileDialogOptions options{
        QStringLiteral("CSV files (*.csv)|*.csv|Text files (*.txt)|*.txt|All files (*.*)|*.*"), 1,
        QStringLiteral("Import from Spreadsheet (CSV)"), QString()};
    const QString chosen = platform.openFileDialog(options);
    if (chosen.isEmpty()) return;

    const Result<std::string> bytes = readFileBytes(toPath(chosen));
    if (!bytes.ok()) {
        tellImportFailure(platform, QStringLiteral("Could not read ") + chosen +
                                        QStringLiteral(": ") +
                                        QString::fromStdString(bytes.error()) + QLatin1Char('.'));
        return;
    }
    const std::string_view text = withoutBom(bytes.value());
    if (text.find_first_not_of(" \t\r\n") == std::string_view::npos) {
        tellImportFailure(platform, chosen + QStringLiteral(" is empty."));
        return;
    }
    if (looksBinary(text)) {
        tellImportFailure(platform, chosen + QStringLiteral(" is not a text file."));
        return;
    }

    const int room = RecordTable::kMaxRecords - table.recordCount();
    CsvImportWindow window(bytes.value(), units, room, platform, parent);
    if (platform.showModal(window) != QDialog::Accepted) return;

    const CsvImportPlan& plan = window.plan();
    if (plan.tripCount > static_cast<std::size_t>(room)) {
        // The same rule as merging: all of a file's trips or none.
        platform.showMessage(
            {QStringLiteral("Only %1 of the %2 trips in this file would fit: a database holds at "
                            "most %3 records. Nothing was imported.")
                 .arg(room)
                 .arg(plan.tripCount)
                 .arg(RecordTable::kMaxRecords),
             kImportTitle, platform::Buttons::Ok, platform::Icon::Exclamation});
        return;
    }
    const Status appended = append(plan.records);
    if (!appended.ok()) {
        tellImportFailure(platform, QString::fromStdString(appended.message()) + QLatin1Char('.'));
    }
}

}  // namespace rodwick
