// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QObject>
#include <QRect>
#include <QString>
#include <QTime>

#include "platform.h"

class QLabel;
class QTimer;
class QWidget;

namespace rodwick {

// The clock's time format: a locale's short time format ("h:mm AP"), with the seconds added
// after the minutes where it has none, so that the clock ticks ("h:mm:ss AP").
QString clockTimeFormat(const QString& shortTimeFormat);

// Milliseconds from time until just past the next whole second: the clock's next wake.
int millisecondsToNextTick(const QTime& time);

// The clock of the main window: ctim shows the time, ena the date as mm-dd-yyyy. It wakes
// once a second, just after the shown second has changed, and not in between.
class Clock : public QObject {
    Q_OBJECT

  public:
    // Puts ctim and ena side by side in area, on client, and shows the time at once.
    Clock(QWidget* client, const QRect& area, platform::Platform& platform,
          const QLocale& locale = QLocale::system());

    // Shows the platform's time and arms Timer1 for the next second.
    void showTime();

  private:
    platform::Platform& platform_;
    QLocale locale_;
    QString timeFormat_;
    QLabel* ctim_ = nullptr;
    QLabel* ena_ = nullptr;
    QTimer* timer_ = nullptr;
};

}  // namespace rodwick
