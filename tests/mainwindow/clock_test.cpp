// SPDX-License-Identifier: GPL-3.0-or-later
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
        const QString withSeconds = clockTimeFormat(locale.timeFormat(QLocale::ShortFormat));
        EXPECT_EQ(withSeconds, QString::fromUtf8(format)) << name;
        EXPECT_EQ(locale.toString(QTime(9, 13, 17), withSeconds), QString::fromUtf8(shown)) << name;
    }
    // Quoted text is not read as fields; a separator of words gives way to a colon.
    EXPECT_EQ(clockTimeFormat("H:mm 'mins'"), "H:mm:ss 'mins'");
    EXPECT_EQ(clockTimeFormat("HH 'h' mm"), "HH 'h' mm:ss");
    EXPECT_EQ(clockTimeFormat("HH"), "HH");
}

class ClockTest : public ::testing::Test {
  protected:
    // A clock on a fresh client area, started at the given time.
    void start(const QDateTime& time, const QLocale& locale) {
        platform_.clock = time;
        client_ = std::make_unique<QWidget>();
        new Clock(client_.get(), QRect(0, 0, 184, 20), platform_, locale);
        timer_ = client_->findChild<QTimer*>("Timer1");
        ASSERT_NE(timer_, nullptr);
    }
    QString viewText() {
        return client_->findChild<QLabel*>("ctim")->text() + " " +
               client_->findChild<QLabel*>("ena")->text();
    }
    // Lets the clock's timer run out: the platform's time moves on by its interval, less
    // `early` milliseconds for a timer that runs ahead of the wall clock, and it fires.
    void fire(int early = 0) {
        ASSERT_TRUE(timer_->isActive());
        platform_.clock = platform_.clock.addMSecs(timer_->interval() - early);
        ASSERT_TRUE(QMetaObject::invokeMethod(timer_, "timeout"));
    }

    ScriptedPlatform platform_;
    std::unique_ptr<QWidget> client_;
    QTimer* timer_ = nullptr;
};

TEST_F(ClockTest, ShowsThePlatformsTimeAndTheDateAsMonthDayYear) {
    start(QDateTime(QDate(2001, 12, 31), QTime(23, 59, 58, 999)), QLocale(QLocale::English));
    EXPECT_EQ(viewText(), "11:59:58 PM 12-31-2001") << "shown at once, before the first tick";
    fire();
    EXPECT_EQ(viewText(), "11:59:59 PM 12-31-2001");
    fire();
    EXPECT_EQ(viewText(), "12:00:00 AM 01-01-2002");
}

TEST_F(ClockTest, WakesOnceForEachSecondJustAfterItBegins) {
    for (int msec : {0, 999}) {
        SCOPED_TRACE(msec);
        start(QDateTime(QDate(2001, 4, 14), QTime(9, 13, 17, msec)), QLocale::c());
        EXPECT_TRUE(timer_->isSingleShot());
        EXPECT_EQ(viewText(), "09:13:17 04-14-2001");

        // Each wake shows the next second: none skipped, none shown twice. A timer a few
        // milliseconds ahead of the wall clock changes nothing.
        for (int second = 18; second < 24; ++second) {
            fire(second % 2 ? 3 : 0);
            EXPECT_EQ(viewText(), QStringLiteral("09:13:%1 04-14-2001").arg(second));
            EXPECT_GT(timer_->interval(), 950) << "no wake before the next second";
            EXPECT_LE(timer_->interval(), 1010);
        }
    }
}

TEST_F(MainWindowTest, MainWindowClockSitsBesideTheStatusLine) {
    EXPECT_EQ(text("ena"), "04-14-2001");
    EXPECT_FALSE(text("ctim").isEmpty());
    EXPECT_EQ(find("ctim")->y(), find("helpdata")->y());
    EXPECT_LT(find("helpdata")->geometry().right(), find("ctim")->x());
    EXPECT_LT(find("ctim")->geometry().right(), find("ena")->x());
}

}  // namespace
}  // namespace rodwick::testing
