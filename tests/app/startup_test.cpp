// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <filesystem>

#include "rodwick_test/main_window_fixture.h"
#include "splash_screen.h"
#include "startup.h"
#include "text.h"

namespace rodwick::testing {
namespace {

// One start of the program in a program directory of its own, holding these files and a
// settings file of these lines separated by '|', '@' standing for the directory (none if empty).
struct Program {
    Program(std::vector<std::pair<std::string, std::string>> files, const std::string& lines) {
        platform.programDir = fromPath(dir.path);
        for (const char c : lines.empty() ? lines : lines + "|") {
            settings += c == '|' ? std::string("\r\n") : c == '@' ? dir.path : std::string(1, c);
        }
        if (!settings.empty()) files.emplace_back("ANGLEBOX.INI", settings);
        for (const auto& [name, bytes] : files) {
            std::filesystem::create_directories(
                std::filesystem::path(dir.file(name)).parent_path());
            writeBytes(dir.file(name), bytes);
        }
        splash = new SplashScreen(platform, main);
    }
    ~Program() {
        delete splash.data();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // As the program starts: the splash shown, then the start-up.
    void start(const std::string& commandLineFile = {}) {
        splash->start();
        startUp(book, platform, main, commandLineFile);
    }
    QString text(const char* name) { return main.findChild<QLabel*>(name)->text(); }
    QTimer* timer() { return splash->findChild<QTimer*>(QStringLiteral("Timer1")); }
    long timesShown(QWidget* widget) const {
        return std::count(platform.modelessShown.begin(), platform.modelessShown.end(), widget);
    }

    TempDir dir;
    std::string settings;
    ScriptedPlatform platform;
    RecordBook book;
    MainWindow main{book, platform};
    QPointer<SplashScreen> splash;
};

TEST(StartupTest, TheSettingsFileOrTheCommandLineDecidesWhatIsLoadedAndShown) {
    const std::string accented = "P\u00eache/\u00c9tang.RWK";  // UTF-8
    const QStringList metric{"Kg", "g", "Kg", "g", "m", "cm"};
    const QStringList imperial{"lb", "oz", "lb", "oz", "ft", "inch"};
    // What is the case, the settings file's lines (empty for none), the file named on the
    // command line (empty for none), whether the example database stands beside the program,
    // the file shown (empty for none), the records, the unit names and the display font.
    const std::string line = "@/trips.rwk| 1 |Kg|g|99|m|cm|99|Arial";
    // clang-format off
    const std::tuple<const char*, std::string, std::string, bool, std::string, int, QStringList, QString> cases[] = {
        {"no settings", "", "", true, "EXAMPLE.RWK", 2, metric, "Arial"},
        {"no settings, no example", "", "", false, "", 0, metric, "Arial"},
        {"empty line 1", "| 0 |lb|oz|14|ft|inch|16|Courier New", "", true, "EXAMPLE.RWK", 2,
         imperial, "Courier New"},
        {"hand-edited units", "| 1 |stone|lb|14|yard |ft|16|Arial", "", true, "EXAMPLE.RWK", 2,
         {"stone", "lb", "stone", "lb", "yard ", "ft"}, "Arial"},
        {"accented path", "@/P\xEA" "che/\xC9tang.RWK| 1 |Kg|g|99|m|cm|99|Arial", "", true,
         accented, 1, metric, "Arial"},
        {"missing autoload file", "@/gone.rwk| 1 |Kg|g|99|m|cm|99|Arial", "", true, "", 0, metric,
         "Arial"},
        // Names that are no regular file are missing ones: a pipe would be waited on for ever.
        {"autoload pipe", "@/pipe.rwk| 1 |Kg|g|99|m|cm|99|Arial", "", true, "", 0, metric, "Arial"},
        // A database named on the command line is loaded instead of the start-up one, and a
        // damaged or missing one fails as a load does.
        {"named", line, "named.rwk", true, "named.rwk", 4, metric, "Arial"},
        {"named damaged", line, "damaged.rwk", true, "", 0, metric, "Arial"},
    };
    // clang-format on
    for (const auto& [label, settings, named, example, file, count, units, font] : cases) {
        SCOPED_TRACE(label);
        std::vector<std::pair<std::string, std::string>> files{
            {"trips.rwk", databaseBytes(trips(1, 3))},
            {accented, databaseBytes(trips(1, 1))},
            {"named.rwk", databaseBytes(trips(1, 4))},
            {"damaged.rwk", " 3 \r\nonly one line\r\n"}};
        if (example) files.emplace_back("EXAMPLE.RWK", databaseBytes(trips(1, 2)));
        Program run(files, settings);
        const FeedingPipe pipe(run.dir.file("pipe.rwk"), databaseBytes(trips(1, 1)));
        run.start(named.empty() ? named : run.dir.file(named));

        const QString loaded = file.empty() ? "" : fromPath(run.dir.file(file));
        EXPECT_EQ(run.main.windowTitle(), "Rodwick DB: " + (file.empty() ? "Untitled" : loaded));
        EXPECT_EQ(run.main.fileListCaptions(), file.empty() ? QStringList() : QStringList{loaded});
        EXPECT_EQ(run.book.table().recordCount(), count);
        EXPECT_EQ(run.text("obVen"), count > 0 ? "r1.0" : "");
        EXPECT_EQ(run.main.findChild<QLabel*>("ObInfo")->font().family(), font);
        EXPECT_EQ(run.platform.printerFont, "Times New Roman");
        EXPECT_EQ(run.timesShown(&run.main), 0);
        if (!named.empty()) {
            EXPECT_EQ(run.book.settings().autoloadFile, run.dir.file("trips.rwk"))
                << "the start-up database stays the one of the settings";
        }

        run.splash->tick();
        EXPECT_EQ(run.timesShown(&run.main), 1);
        EXPECT_EQ(unitTexts(run.main), units);
        EXPECT_EQ(run.main.findChild<QScrollBar*>("chrec")->maximum(), std::max(1, count));
        EXPECT_EQ(readBytes(run.dir.file("ANGLEBOX.INI")), run.settings)
            << "start-up never writes it";
    }
}

TEST(StartupTest, TheSplashStandsCentredBeforeTheSettingsAreReadUntilTheFirstTick) {
    Program run({{"trips.rwk", databaseBytes(trips(1, 1))}},
                "@/trips.rwk| 1 |Kg|g|99|m|cm|99|Hand\x96"
                "Drawn");
    run.platform.screen = QSize(800, 600);
    QTimer* timer = run.timer();
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());

    run.start();
    // The display font is read from the settings in Windows-1252.
    EXPECT_EQ(run.main.findChild<QLabel*>("obVen")->font().family(),
              QStringLiteral("Hand\u2013Drawn"));
    EXPECT_EQ(run.main.windowTitle(), "Rodwick DB: " + fromPath(run.dir.file("trips.rwk")));
    EXPECT_EQ(run.timesShown(run.splash), 1);
    EXPECT_EQ(run.splash->geometry(), QRect(190, 170, 420, 260));
    EXPECT_FALSE(run.main.isVisible());
    EXPECT_EQ(run.timesShown(&run.main), 0);

    timer->start(0);  // fire now rather than after three seconds
    for (int i = 0; i < 1000 && run.timesShown(&run.main) == 0; ++i) {
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(run.timesShown(&run.main), 1) << "the timer runs the tick";
    EXPECT_FALSE(timer->isActive());
    run.splash->tick();
    EXPECT_EQ(run.timesShown(&run.main), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(run.splash.isNull()) << "the splash is discarded after the tick";
}

}  // namespace
}  // namespace rodwick::testing
