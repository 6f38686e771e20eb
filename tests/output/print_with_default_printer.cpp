// SPDX-License-Identifier: GPL-3.0-or-later
// Prints two hand-written trips on the system's default printer the way a user does: through
// the print window (All, Include Filename, one copy), or with "report" as the trip list's
// report of the trips shown. Exit status 0 when printing went through, 3 when the printer
// message came up (answered with Cancel).
// Usage: print_with_default_printer [TITLE [report]]
// TITLE names the print job, so that its output can be told from any earlier job's.
#include <QApplication>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <utility>

#include "print_dialog.h"
#include "qt_platform.h"
#include "record_book.h"
#include "translation.h"
#include "trip_list_window.h"

namespace {

// The real platform, except that the printer message is answered without a user.
class UnattendedPlatform : public rodwick::platform::QtPlatform {
  public:
    explicit UnattendedPlatform(PrinterFactory makePrinter) : QtPlatform(std::move(makePrinter)) {}

    rodwick::platform::Answer showMessage(const rodwick::platform::Message& message) override {
        std::fprintf(stderr, "message: %s\n", qPrintable(message.text));
        ++messages;
        return rodwick::platform::Answer::Cancel;
    }
    int messages = 0;
};

// A trip from its 22 fields separated by '|'.
rodwick::TripRecord trip(const std::string& fields) {
    rodwick::TripRecord trip;
    std::size_t start = 0;
    for (std::string& field : trip.fields) {
        const std::size_t end = std::min(fields.find('|', start), fields.size());
        field = fields.substr(start, end - start);
        start = end + 1;
    }
    return trip;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // English's plural forms, as the program installs them at its start.
    rodwick::installTranslations(QStringLiteral("en"));
    rodwick::RecordBook book;
    (void)book.replaceRecords(
        {trip("Grand Union Canal|Canal|\xA3"
              "2.50|Towpath Anglers|3|12|Clean|Sunny|18|Pole|1|20|"
              "Pinkie|Roach, Perch|Perch|1|4|Barbless hooks only|Boats every ten minutes.|"
              "06-23-2001|06:00|11:30"),
         trip("River Trent|River|4.00|Collingham AA|12|350|Satisfactory|Cloudy|11|Feeder|2|40|"
              "Maggots|Barbel, Chub|Barbel|4|200|No night fishing|Late barbel.|06-16-2001|07:30|"
              "16:00")});
    book.adopt(book.table(), "/logs/cups-check.RWK");
    rodwick::Settings settings;
    settings.displayFont = "Liberation Sans";
    settings.units = rodwick::UnitNames::imperial();
    book.setSettings(settings);

    // The system's default printer, as the program finds it, with the job named.
    const QString title = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    UnattendedPlatform platform([title]() -> std::unique_ptr<QPrinter> {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull()) return nullptr;
        auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
        if (!title.isEmpty()) printer->setDocName(title);
        return printer;
    });
    if (argc > 2 && std::string(argv[2]) == "report") {
        // Printing alone: nothing here is exported.
        rodwick::trips::TripListWindow list(book, platform, std::string(), {});
        list.findChild<QPushButton*>(QStringLiteral("TripPrint"))->click();
        return platform.messages == 0 ? 0 : 3;
    }
    rodwick::PrintDialog window(book, platform);
    window.findChild<QPushButton*>(QStringLiteral("Print"))->click();
    return platform.messages == 0 ? 0 : 3;
}
