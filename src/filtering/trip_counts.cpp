// SPDX-License-Identifier: GPL-3.0-or-later
#include "trip_counts.h"

#include <QCoreApplication>
#include <QStringList>

#include "readings.h"
#include "text.h"
#include "windows_locale.h"

namespace rodwick::filtering {

QString showingTrips(int shown, int total, int undated, int conflictCopies) {
    QStringList parts;
    parts << QCoreApplication::translate("TripCounts", "Showing %1 of %n trip(s)", nullptr, total)
                 .arg(shown);
    if (conflictCopies > 0) {
        parts << QCoreApplication::translate("TripCounts", "%n conflict copy(ies) not counted",
                                             nullptr, conflictCopies);
    }
    if (undated > 0) {
        parts << QCoreApplication::translate(
            "TripCounts", "%n left out because its/their date did not read", nullptr, undated);
    }
    return parts.join(QStringLiteral("; "));
}

QString describeFilter(const TripFilter& filter) {
    if (filter.isEmpty()) return QCoreApplication::translate("TripCounts", "All trips");
    QStringList parts;
    if (!filter.word.empty()) {
        parts << QCoreApplication::translate("TripCounts", "containing \"%1\"")
                     .arg(fromFileText(filter.word));
    }
    const auto name = [&](const char* text, const std::string& value) {
        const std::string_view named = trim(value);
        if (!named.empty())
            parts << QCoreApplication::translate("TripCounts", text).arg(fromFileText(named));
    };
    name(QT_TRANSLATE_NOOP("TripCounts", "at %1"), filter.venue);
    name(QT_TRANSLATE_NOOP("TripCounts", "for %1"), filter.species);
    name(QT_TRANSLATE_NOOP("TripCounts", "by the method %1"), filter.method);
    name(QT_TRANSLATE_NOOP("TripCounts", "on the bait %1"), filter.bait);
    const DateRange& dates = filter.dates;
    if (dates.month >= 1 && dates.month <= 12) {
        const QString month = windowsLocale().monthName(dates.month);
        parts << (dates.from || dates.to
                      ? QCoreApplication::translate("TripCounts", "in %1")
                      : QCoreApplication::translate("TripCounts", "in %1 of every year"))
                     .arg(month);
    }
    if (dates.from && dates.to) {
        parts << QCoreApplication::translate("TripCounts", "from %1 to %2")
                     .arg(localDate(*dates.from), localDate(*dates.to));
    } else if (dates.from) {
        parts << QCoreApplication::translate("TripCounts", "from %1").arg(localDate(*dates.from));
    } else if (dates.to) {
        parts << QCoreApplication::translate("TripCounts", "up to %1").arg(localDate(*dates.to));
    }
    if (filter.catches == CatchChoice::WithCatch)
        parts << QCoreApplication::translate("TripCounts", "with a catch");
    if (filter.catches == CatchChoice::Blank)
        parts << QCoreApplication::translate("TripCounts", "without a catch");
    return QCoreApplication::translate("TripCounts", "Trips %1")
        .arg(parts.join(QStringLiteral(", ")));
}

}  // namespace rodwick::filtering
