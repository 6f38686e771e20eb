#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QTimer>
#include <algorithm>

#include "form1_fixture.h"
#include "form9.h"
#include "startup.h"
#include "text.h"

namespace rodwick::testing {
namespace {

// A settings file from its lines separated by '|', with '@' standing for the program directory.
std::string SettingsBytes(const std::string& lines, const std::string& dir) {
    std::string out;
    for (const char c : lines.empty() ? lines : lines + "|") {
        out += c == '|' ? std::string("\r\n") : c == '@' ? dir : std::string(1, c);
    }
    return out;
}

// One start of the program in a program directory of its own.
struct Program {
    explicit Program(const std::vector<std::pair<QString, std::string>>& files) {
        platform.programDir = dir.path();
        for (const auto& [name, bytes] : files) {
            QDir().mkpath(QFileInfo(dir.filePath(name)).path());
            WriteBytes(ToPath(dir.filePath(name)), bytes);
        }
        splash = new Form9(state, platform, main);
    }
    ~Program() {
        delete splash.data();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    std::string Path(const QString& name) const { return ToPath(dir.filePath(name)); }
    QString Text(const char* name) { return main.findChild<QLabel*>(name)->text(); }
    long TimesShown(QWidget* widget) const {
        return std::count(platform.modelessShown.begin(), platform.modelessShown.end(), widget);
    }

    QTemporaryDir dir;
    ScriptedPlatform platform;
    AppState state;
    form1 main{state, platform};
    QPointer<Form9> splash;
};

TEST(StartupTest, TheSettingsFileDecidesWhatIsLoadedAndShown) {
    const QString accented = QStringLiteral("P\u00eache/\u00c9tang.RWK");
    const QStringList metric{"Kg", "g", "Kg", "g", "m", "cm"};
    const QStringList imperial{"lb", "oz", "lb", "oz", "ft", "inch"};
    const struct {
        const char* label;
        std::string settings;  // empty for no file
        bool example;          // the example database stands beside the program
        QString loaded;        // the file shown, empty for none
        int count;
        QStringList units;
        QString font;
    } cases[] = {
        // clang-format off
        {"no settings", "", true, "EXAMPLE.RWK", 2, metric, "Arial"},
        {"no settings, no example", "", false, "", 0, metric, "Arial"},
        {"empty line 1", "| 0 |lb|oz|14|ft|inch|16|Courier New", true, "EXAMPLE.RWK", 2, imperial,
         "Courier New"},
        {"five lines", "@/trips.rwk| 0 |lb|oz|14", true, "EXAMPLE.RWK", 2, metric, "Arial"},
        {"imperial", "@/trips.rwk| 1 |lb|oz|14|ft|inch|16|Arial", true, "trips.rwk", 3, imperial,
         "Arial"},
        {"hand-edited units", "| 1 |stone|lb|14|yard |ft|16|Arial", true, "EXAMPLE.RWK", 2,
         {"stone", "lb", "stone", "lb", "yard ", "ft"}, "Arial"},
        {"accented path", "@/P\xEA" "che/\xC9tang.RWK| 1 |Kg|g|99|m|cm|99|Arial", true, accented, 1,
         metric, "Arial"},
        {"missing autoload file", "@/gone.rwk| 1 |Kg|g|99|m|cm|99|Arial", true, "", 0, metric,
         "Arial"},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        std::vector<std::pair<QString, std::string>> files{
            {"trips.rwk", DatabaseBytes(Trips(1, 3))}, {accented, DatabaseBytes(Trips(1, 1))}};
        if (c.example) files.emplace_back("EXAMPLE.RWK", DatabaseBytes(Trips(1, 2)));
        Program run(files);
        const std::string settings = SettingsBytes(c.settings, ToPath(run.dir.path()));
        if (!settings.empty()) WriteBytes(run.Path("ANGLEBOX.INI"), settings);
        run.splash->Form_Load();

        const QString loaded = c.loaded.isEmpty() ? "" : run.dir.filePath(c.loaded);
        EXPECT_EQ(run.main.windowTitle(),
                  "Rodwick DB: " + (c.loaded.isEmpty() ? "Untitled" : loaded));
        EXPECT_EQ(run.main.fileListCaptions(),
                  c.loaded.isEmpty() ? QStringList() : QStringList{loaded});
        EXPECT_EQ(run.state.table.recordCount(), c.count);
        EXPECT_EQ(run.Text("obVen"), c.count > 0 ? "r1.0" : "");
        EXPECT_EQ(run.main.findChild<QLabel*>("ObInfo")->font().family(), c.font);
        EXPECT_EQ(run.platform.printerFont, "Times New Roman");
        EXPECT_EQ(run.TimesShown(&run.main), 0);

        run.splash->Timer1_Timer();
        EXPECT_EQ(run.TimesShown(&run.main), 1);
        EXPECT_EQ(UnitTexts(run.main), c.units);
        EXPECT_EQ(run.main.findChild<QScrollBar*>("chrec")->maximum(), std::max(1, c.count));
        EXPECT_EQ(ReadBytes(run.Path("ANGLEBOX.INI")), settings) << "start-up never writes it";
    }
}

TEST(StartupTest, ReadSettingsGivesTheDisplayFontToPrinterAndView) {
    Program run({{"trips.rwk", DatabaseBytes(Trips(1, 1))}});
    WriteBytes(run.Path("ANGLEBOX.INI"), SettingsBytes("@/trips.rwk| 1 |Kg|g|99|m|cm|99|Hand\x96"
                                                       "Drawn",
                                                       ToPath(run.dir.path())));
    ReadSettings(run.state, run.platform, run.main);
    EXPECT_EQ(run.platform.printerFont, QStringLiteral("Hand\u2013Drawn"));
    EXPECT_EQ(run.main.findChild<QLabel*>("obVen")->font().family(),
              QStringLiteral("Hand\u2013Drawn"));
    EXPECT_EQ(run.main.windowTitle(), "Rodwick DB: " + run.dir.filePath("trips.rwk"));
}

TEST(StartupTest, TheSplashStandsCentredUntilTheFirstTickShowsTheMainWindow) {
    Program run({{"EXAMPLE.RWK", DatabaseBytes(Trips(1, 1))}});
    run.platform.screen = QSize(800, 600);
    const QTimer* timer = run.splash->Timer1;
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(std::tuple(timer->isSingleShot(), timer->interval(), timer->isActive()),
              std::tuple(true, 3000, true));

    run.splash->Form_Load();
    EXPECT_EQ(run.TimesShown(run.splash), 1);
    EXPECT_EQ(run.splash->geometry(), QRect(190, 170, 420, 260));
    for (const auto& [name, caption] :
         {std::pair("Label1", "The Rodwick Database"), std::pair("Label3", "Harrowby Software"),
          std::pair("Label6", "v 1.8")}) {
        EXPECT_EQ(run.splash->findChild<QLabel*>(name)->text(), caption);
    }
    EXPECT_FALSE(run.main.isVisible());
    EXPECT_EQ(run.TimesShown(&run.main), 0);

    run.splash->Timer1->start(0);  // fire now rather than after three seconds
    for (int i = 0; i < 1000 && run.TimesShown(&run.main) == 0; ++i) {
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(run.TimesShown(&run.main), 1) << "the timer runs the tick";
    run.splash->Timer1_Timer();
    EXPECT_EQ(run.TimesShown(&run.main), 1);
    EXPECT_FALSE(run.splash->Timer1->isActive());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(run.splash.isNull()) << "the splash is discarded after the tick";
}

}  // namespace
}  // namespace rodwick::testing
