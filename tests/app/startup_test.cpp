#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <initializer_list>
#include <memory>
#include <string>

#include "app_state.h"
#include "form1.h"
#include "form9.h"
#include "scripted_platform.h"
#include "settings.h"
#include "startup.h"
#include "text.h"

namespace rodwick {
namespace {

const char* const kValueLabels[] = {
    "obVen",   "ObType",   "ObDay",    "ObClub",   "ObWeighta", "ObWeightb", "ObWater", "ObWeather",
    "ObTemp",  "ObMethod", "ObDepthA", "ObDepthB", "ObBait",    "ObSpec",    "ObName",  "ObBestA",
    "ObBestB", "ObRest",   "ObInfo",   "ObDat",    "ObTime1",   "ObTime2"};

// Text lines as the program's files hold them: each one ended by CR LF.
std::string Lines(std::initializer_list<std::string> lines) {
    std::string out;
    for (const auto& line : lines) out += line + "\r\n";
    return out;
}

// A database file whose records differ by their venue; the other fields are filler.
std::string Database(std::initializer_list<std::string> venues) {
    std::string out = " " + std::to_string(venues.size()) + " \r\n";
    for (const auto& venue : venues) {
        out += venue + "\r\n";
        for (int field = 1; field < kFieldCount; ++field)
            out += "f" + std::to_string(field) + "\r\n";
    }
    return out;
}

std::string SettingsFile(const std::string& autoload, const std::string& units,
                         const std::string& font) {
    if (units == "imperial")
        return Lines({autoload, " 1 ", "lb", "oz", "14", "ft", "inch", "16", font});
    return Lines({autoload, " 0 ", "Kg", "g", "99", "m", "cm", "99", font});
}

class StartupTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        platform_.programDir = dir_.path();
    }

    void TearDown() override {
        delete splash_.data();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QString path(const QString& name) const { return dir_.filePath(name); }
    void write(const QString& name, const std::string& bytes) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
    QByteArray read(const QString& name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void create() {
        main_ = std::make_unique<form1>(state_, platform_);
        splash_ = new Form9(state_, platform_, *main_);
    }
    void start() {
        create();
        splash_->Form_Load();
    }
    void tick() { splash_->Timer1_Timer(); }

    QString text(const char* name) const {
        auto* label = main_->findChild<QLabel*>(QString::fromLatin1(name));
        EXPECT_NE(label, nullptr) << name;
        return label ? label->text() : QString();
    }
    QStringList unitLabels() const {
        return {text("mesw1"), text("mesw2"), text("mesw3"),
                text("mesw4"), text("mesl1"), text("mesl2")};
    }
    void expectValueFont(const QString& family) const {
        for (const char* name : kValueLabels) {
            auto* label = main_->findChild<QLabel*>(QString::fromLatin1(name));
            ASSERT_NE(label, nullptr) << name;
            EXPECT_EQ(label->font().family(), family) << name;
        }
    }
    int timesMainShown() const {
        return static_cast<int>(std::count(platform_.modelessShown.begin(),
                                           platform_.modelessShown.end(), main_.get()));
    }
    int chrecMaximum() const {
        auto* chrec = main_->findChild<QScrollBar*>(QStringLiteral("chrec"));
        EXPECT_NE(chrec, nullptr);
        return chrec ? chrec->maximum() : -1;
    }

    QTemporaryDir dir_;
    testing::ScriptedPlatform platform_;
    AppState state_;
    std::unique_ptr<form1> main_;
    QPointer<Form9> splash_;
};

const QStringList kMetric = {"Kg", "g", "Kg", "g", "m", "cm"};
const QStringList kImperial = {"lb", "oz", "lb", "oz", "ft", "inch"};

TEST_F(StartupTest, WithoutSettingsTheExampleIsLoadedListedAndShownInMetric) {
    write("EXAMPLE.RWK", Database({"Mill Pond", "Grand Union Canal"}));
    start();

    const QString example = path("EXAMPLE.RWK");
    EXPECT_EQ(main_->windowTitle(), "Rodwick DB: " + example);
    EXPECT_EQ(state_.table.recordCount(), 2);
    EXPECT_EQ(text("obVen"), "Mill Pond");
    EXPECT_EQ(main_->fileListCaptions(), QStringList{example});
    EXPECT_EQ(state_.settings, DefaultSettings(ToPath(dir_.path())));
    expectValueFont("Arial");
    EXPECT_EQ(platform_.printerFont, "Times New Roman");

    tick();
    EXPECT_EQ(unitLabels(), kMetric);
    EXPECT_EQ(chrecMaximum(), 2);
    EXPECT_FALSE(QFile::exists(path("ANGLEBOX.INI"))) << "start-up must not write the settings";
}

TEST_F(StartupTest, WithoutSettingsOrExampleStartsUntitledAndEmpty) {
    start();

    EXPECT_EQ(main_->windowTitle(), "Rodwick DB: Untitled");
    EXPECT_EQ(state_.table.currentFileName(), "Untitled");
    EXPECT_EQ(state_.table.recordCount(), 0);
    EXPECT_EQ(text("total"), "No records available");
    EXPECT_TRUE(main_->fileListCaptions().isEmpty());
    auto* frame = main_->findChild<QWidget*>(QStringLiteral("Frame1"));
    ASSERT_NE(frame, nullptr);
    EXPECT_FALSE(frame->isVisibleTo(main_.get()));

    tick();
    EXPECT_EQ(timesMainShown(), 1);
    EXPECT_EQ(unitLabels(), kMetric);
    EXPECT_FALSE(QFile::exists(path("ANGLEBOX.INI")));
}

TEST_F(StartupTest, EmptyFirstLineLoadsTheExampleAndKeepsTheOtherValues) {
    write("EXAMPLE.RWK", Database({"Mill Pond"}));
    write("ANGLEBOX.INI", SettingsFile("", "metric", "Arial"));
    start();

    EXPECT_EQ(main_->windowTitle(), "Rodwick DB: " + path("EXAMPLE.RWK"));
    EXPECT_EQ(state_.settings.autoloadFile, ToPath(path("EXAMPLE.RWK")));
    EXPECT_EQ(state_.settings.showVenuesOnEdit, 0);
}

TEST_F(StartupTest, SettingsFileOfFiveLinesCountsAsMissing) {
    write("EXAMPLE.RWK", Database({"Mill Pond", "Grand Union Canal"}));
    write("other.rwk", Database({"Elsewhere"}));
    write("ANGLEBOX.INI", Lines({ToPath(path("other.rwk")), " 0 ", "lb", "oz", "14"}));
    start();

    EXPECT_EQ(state_.settings, DefaultSettings(ToPath(dir_.path())));
    EXPECT_EQ(main_->windowTitle(), "Rodwick DB: " + path("EXAMPLE.RWK"));
    EXPECT_EQ(text("obVen"), "Mill Pond");
    tick();
    EXPECT_EQ(unitLabels(), kMetric);
}

TEST_F(StartupTest, ImperialSettingsLoadTheirFileAndShowTheirUnitsWithTheMainWindow) {
    write("trips.rwk", Database({"Kennet", "Thames", "Avon"}));
    const std::string settings = SettingsFile(ToPath(path("trips.rwk")), "imperial", "Courier New");
    write("ANGLEBOX.INI", settings);
    start();

    EXPECT_EQ(main_->windowTitle(), "Rodwick DB: " + path("trips.rwk"));
    EXPECT_EQ(main_->fileListCaptions(), QStringList{path("trips.rwk")});
    expectValueFont("Courier New");
    auto* caption = main_->findChild<QLabel*>(QStringLiteral("Label5"));
    ASSERT_NE(caption, nullptr);
    EXPECT_NE(caption->font().family(), "Courier New") << "caption labels keep their own font";
    // Printing applies the display font itself; start-up leaves the printer on its own.
    EXPECT_EQ(platform_.printerFont, "Times New Roman");

    tick();
    EXPECT_EQ(unitLabels(), kImperial);
    EXPECT_EQ(chrecMaximum(), 3);
    EXPECT_EQ(read("ANGLEBOX.INI"), QByteArray::fromStdString(settings));
}

TEST_F(StartupTest, HandEditedUnitNamesAreShownAsTheyStand) {
    write("ANGLEBOX.INI", Lines({"", " 1 ", "stone", "lb", "14", "yard ", "ft", "16", "Arial"}));
    start();
    tick();
    EXPECT_EQ(unitLabels(), (QStringList{"stone", "lb", "stone", "lb", "yard ", "ft"}));
}

TEST_F(StartupTest, AutoloadPathWithAccentedLettersIsLoaded) {
    ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("P\u00eache")));
    write(QStringLiteral("P\u00eache/\u00c9tang.RWK"), Database({"Lac du H\xe9ron"}));
    // The settings file holds the path in Windows-1252.
    write("ANGLEBOX.INI", SettingsFile(ToPath(dir_.path()) + "/P\xea"
                                                             "che/\xc9tang.RWK",
                                       "metric", "Arial"));
    start();

    const QString expected = path(QStringLiteral("P\u00eache/\u00c9tang.RWK"));
    EXPECT_EQ(main_->windowTitle(), "Rodwick DB: " + expected);
    EXPECT_EQ(state_.table.recordCount(), 1);
    EXPECT_EQ(text("obVen"), QStringLiteral("Lac du H\u00e9ron"));
    EXPECT_EQ(main_->fileListCaptions(), QStringList{expected});
}

TEST_F(StartupTest, MissingAutoloadFileStartsUntitledEvenWithAnExampleBeside) {
    write("EXAMPLE.RWK", Database({"Mill Pond"}));
    write("ANGLEBOX.INI", SettingsFile(ToPath(path("gone.rwk")), "metric", "Arial"));
    start();

    EXPECT_EQ(main_->windowTitle(), "Rodwick DB: Untitled");
    EXPECT_EQ(state_.table.recordCount(), 0);
    EXPECT_TRUE(main_->fileListCaptions().isEmpty());
}

TEST_F(StartupTest, ReadSettingsGivesTheDisplayFontToPrinterAndViewButListsNothing) {
    write("trips.rwk", Database({"Kennet"}));
    // 0x96 is an en dash in Windows-1252 (and a control character in Latin-1).
    write("ANGLEBOX.INI", SettingsFile(ToPath(path("trips.rwk")), "metric",
                                       "Hand\x96"
                                       "Drawn"));
    main_ = std::make_unique<form1>(state_, platform_);

    ReadSettings(state_, platform_, *main_);

    EXPECT_EQ(platform_.printerFont, QStringLiteral("Hand\u2013Drawn"));
    expectValueFont(QStringLiteral("Hand\u2013Drawn"));
    EXPECT_EQ(state_.table.currentFileName(), ToPath(path("trips.rwk")));
    EXPECT_EQ(main_->windowTitle(), "Rodwick DB: " + path("trips.rwk"));
    EXPECT_TRUE(main_->fileListCaptions().isEmpty());
    EXPECT_TRUE(platform_.modelessShown.empty());
}

TEST_F(StartupTest, MainWindowIsShownOnlyByTheFirstTick) {
    write("EXAMPLE.RWK", Database({"Mill Pond"}));
    create();
    ASSERT_NE(splash_->Timer1, nullptr);
    EXPECT_EQ(splash_->Timer1->objectName(), "Timer1");
    EXPECT_TRUE(splash_->Timer1->isSingleShot());
    EXPECT_EQ(splash_->Timer1->interval(), 3000);
    EXPECT_TRUE(splash_->Timer1->isActive()) << "the timer runs from the start";

    splash_->Form_Load();
    ASSERT_EQ(platform_.modelessShown.size(), 1u);
    EXPECT_EQ(platform_.modelessShown[0], splash_.data());
    EXPECT_EQ(platform_.callsOf("modeless")[0].title, "The Rodwick Database");
    EXPECT_FALSE(main_->isVisible());
    EXPECT_EQ(timesMainShown(), 0);

    tick();
    tick();
    EXPECT_EQ(timesMainShown(), 1);
    EXPECT_EQ(platform_.modelessShown.size(), 2u);
    EXPECT_FALSE(splash_->Timer1->isActive());

    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(splash_.isNull()) << "the splash is discarded after the tick";
}

TEST_F(StartupTest, TimerTimeoutRunsTheTick) {
    start();
    // Fire at once instead of waiting three seconds.
    splash_->Timer1->start(0);
    for (int i = 0; i < 1000 && timesMainShown() == 0; ++i) QCoreApplication::processEvents();
    EXPECT_EQ(timesMainShown(), 1);
}

TEST_F(StartupTest, SplashIsCentredOnTheScreenAndCarriesItsCaptions) {
    platform_.screen = QSize(800, 600);
    start();

    EXPECT_EQ(splash_->size(), QSize(420, 260));
    EXPECT_EQ(splash_->pos(), QPoint(190, 170));
    EXPECT_TRUE(splash_->windowFlags() & Qt::FramelessWindowHint);

    auto caption = [&](const char* name) {
        auto* label = splash_->findChild<QLabel*>(QString::fromLatin1(name));
        EXPECT_NE(label, nullptr) << name;
        return label ? label->text() : QString();
    };
    EXPECT_EQ(caption("Label1"), "The Rodwick Database");
    EXPECT_EQ(caption("Label3"), "Harrowby Software");
    EXPECT_EQ(caption("Label6"), "v 1.8");
    for (const char* name : {"Image1", "Image2"}) {
        auto* picture = splash_->findChild<QLabel*>(QString::fromLatin1(name));
        ASSERT_NE(picture, nullptr) << name;
        EXPECT_FALSE(picture->pixmap().isNull()) << name;
    }
    EXPECT_NE(splash_->findChild<QWidget*>(QStringLiteral("Shape1")), nullptr);
}

}  // namespace
}  // namespace rodwick
