// SPDX-License-Identifier: GPL-3.0-or-later
#include "trip_counts.h"

#include <QCoreApplication>
#include <QStringList>

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

}  // namespace rodwick::filtering
