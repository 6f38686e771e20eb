#include <QLabel>
#include <QLocale>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "clock.h"
#include "rodwick_test/main_window_fixture.h"

namespace rodwick::testing {
namespace {

TEST(ClockTimeFormat, ShortFormatWithTheSecondsAdded) {
    // A locale, its short time format with the seconds, and 09:13:17 in that format.
    const std::tuple<const char*, const char*, const char*> locales[] = {
        {"en_US", "h:mm:ss AP", "9:13:17 AM"},  // seconds before the day half
        {"fi_FI", "H.mm.ss", "9.13.17"},        // the locale's own separator
    };
    for (const auto& [name, format, shown] : locales) {
        const QLocale locale(QString::fromLatin1(name));
        const QString withSeconds = ClockTimeFormat(locale.timeFormat(QLocale::ShortFormat));
        EXPECT_EQ(withSeconds, QString::fromUtf8(format)) << name;
        EXPECT_EQ(locale.toString(QTime(9, 13, 17), withSeconds), QString::fromUtf8(shown)) << name;
    }
    // Quoted text is not read as fields; a separator of words gives way to a colon.
    EXPECT_EQ(ClockTimeFormat("H:mm 'mins'"), "H:mm:ss 'mins'");
    EXPECT_EQ(ClockTimeFormat("HH 'h' mm"), "HH 'h' mm:ss");
    EXPECT_EQ(ClockTimeFormat("HH"), "HH");
}

class ClockTest : public ::testing::Test {
  protected:
    // A clock on a fresh client area, started at the given time.
    void Start(const QDateTime& time, const QLocale& locale) {
        platform.clock = time;
        client = std::make_unique<QWidget>();
        new Clock(client.get(), QRect(0, 0, 184, 20), platform, locale);
        timer = client->findChild<QTimer*>("Timer1");
        ASSERT_NE(timer, nullptr);
    }
    QString Shown() {
        return client->findChild<QLabel*>("ctim")->text() + " " +
               client->findChild<QLabel*>("ena")->text();
    }
    // Lets the clock's timer run out: the platform's time moves on by its interval, less
    // `early` milliseconds for a timer that runs ahead of the wall clock, and it fires.
    void Fire(int early = 0) {
        ASSERT_TRUE(timer->isActive());
        platform.clock = platform.clock.addMSecs(timer->interval() - early);
        ASSERT_TRUE(QMetaObject::invokeMethod(timer, "timeout"));
    }

    ScriptedPlatform platform;
    std::unique_ptr<QWidget> client;
    QTimer* timer = nullptr;
};

TEST_F(ClockTest, ShowsThePlatformsTimeAndTheDateAsMonthDayYear) {
    Start(QDateTime(QDate(2001, 12, 31), QTime(23, 59, 58, 999)), QLocale(QLocale::English));
    EXPECT_EQ(Shown(), "11:59:58 PM 12-31-2001") << "shown at once, before the first tick";
    Fire();
    EXPECT_EQ(Shown(), "11:59:59 PM 12-31-2001");
    Fire();
    EXPECT_EQ(Shown(), "12:00:00 AM 01-01-2002");
}

TEST_F(ClockTest, WakesOnceForEachSecondJustAfterItBegins) {
    for (int msec : {0, 999}) {
        SCOPED_TRACE(msec);
        Start(QDateTime(QDate(2001, 4, 14), QTime(9, 13, 17, msec)), QLocale::c());
        EXPECT_TRUE(timer->isSingleShot());
        EXPECT_EQ(Shown(), "09:13:17 04-14-2001");

        // Each wake shows the next second: none skipped, none shown twice. A timer a few
        // milliseconds ahead of the wall clock changes nothing.
        for (int second = 18; second < 24; ++second) {
            Fire(second % 2 ? 3 : 0);
            EXPECT_EQ(Shown(), QStringLiteral("09:13:%1 04-14-2001").arg(second));
            EXPECT_GT(timer->interval(), 950) << "no wake before the next second";
            EXPECT_LE(timer->interval(), 1010);
        }
    }
}

TEST_F(MainWindowTest, MainWindowClockSitsBesideTheStatusLine) {
    EXPECT_EQ(Text("ena"), "04-14-2001");
    EXPECT_FALSE(Text("ctim").isEmpty());
    EXPECT_EQ(Find("ctim")->y(), Find("helpdata")->y());
    EXPECT_LT(Find("helpdata")->geometry().right(), Find("ctim")->x());
    EXPECT_LT(Find("ctim")->geometry().right(), Find("ena")->x());
}

}  // namespace
}  // namespace rodwick::testing
