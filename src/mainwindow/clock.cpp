// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock.h"

#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <algorithm>

#include "widgets.h"

namespace rodwick {

namespace {

// A wake lands this long after the second changes, so that a timer running a little ahead of
// the wall clock still finds the new second rather than waking twice for it.
constexpr int kTickMargin = 5;

}  // namespace

QString clockTimeFormat(const QString& format) {
    // Find the minutes field, the separator before it, and whether seconds are there already,
    // looking only outside quoted text.
    qsizetype minutesEnd = -1;
    qsizetype hoursEnd = -1;
    QString separator;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;
            continue;
        }
        if (quoted) continue;
        if (c == QLatin1Char('s')) return format;
        if (c == QLatin1Char('h') || c == QLatin1Char('H')) hoursEnd = i + 1;
        if (c == QLatin1Char('m') && minutesEnd < 0) {
            qsizetype end = i;
            while (end < format.size() && format.at(end) == QLatin1Char('m')) ++end;
            minutesEnd = end;
            if (hoursEnd >= 0) separator = format.mid(hoursEnd, i - hoursEnd);
            i = end - 1;
        }
    }
    if (minutesEnd < 0) return format;
    // The separator between hours and minutes serves again before the seconds, where it is
    // plain punctuation; otherwise a colon.
    const bool plain = !separator.isEmpty() && separator.size() <= 2 &&
                       std::none_of(separator.begin(), separator.end(), [](QChar c) {
                           return c.isLetter() || c == QLatin1Char('\'') || c.isSpace();
                       });
    QString withSeconds = format;
    withSeconds.insert(minutesEnd,
                       (plain ? separator : QStringLiteral(":")) + QStringLiteral("ss"));
    return withSeconds;
}

int millisecondsToNextTick(const QTime& time) {
    const int intoSecond = time.isValid() ? time.msec() : 0;
    return 1000 - intoSecond + kTickMargin;
}

Clock::Clock(QWidget* client, const QRect& area, platform::Platform& platform,
             const QLocale& locale)
    : QObject(client),
      platform_(platform),
      locale_(locale),
      timeFormat_(clockTimeFormat(locale.timeFormat(QLocale::ShortFormat))) {
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSize(10);
    auto label = [&](const char* name, const QRect& rect) {
        auto* shown = new QLabel(client);
        shown->setObjectName(QString::fromLatin1(name));
        shown->setTextFormat(Qt::PlainText);
        shown->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        shown->setAlignment(Qt::AlignCenter);
        shown->setFont(font);
        shown->setGeometry(rect);
        return shown;
    };
    constexpr int kGap = 4;
    const int half = (area.width() - kGap) / 2;
    ctim_ = label("ctim", QRect(area.left(), area.top(), half, area.height()));
    ena_ = label("ena", QRect(area.right() + 1 - half, area.top(), half, area.height()));

    // One shot at a time, each armed for the next second: an idle program wakes once a second
    // and never in between. A precise timer never fires before its time.
    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setSingleShot(true);
    timer_->setTimerType(Qt::PreciseTimer);
    connect(timer_, &QTimer::timeout, this, &Clock::showTime);
    showTime();
}

void Clock::showTime() {
    const QDateTime now = platform_.now();
    ctim_->setText(locale_.toString(now.time(), timeFormat_));
    ena_->setText(monthDayYear(now.date()));
    timer_->start(millisecondsToNextTick(now.time()));
}

}  // namespace rodwick
