// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics_texts.h"

#include <QCoreApplication>
#include <QStringList>
#include <cmath>

#include "almanac.h"
#include "text.h"
#include "windows_locale.h"

namespace rodwick::stats {
namespace {

// A text the figures marked for translation, in the windows' language.
QString translated(const char* context, const std::string& marked) {
    return QCoreApplication::translate(context, marked.c_str());
}

}  // namespace

QString almanacText(const std::string& name) {
    return translated("Almanac", name);
}

QString leftOutText(const std::vector<LeftOut>& notes) {
    QStringList lines;
    for (const LeftOut& note : notes) {
        lines << QCoreApplication::translate("rodwick::stats::StatisticsWindow", "%n trip(s) %1",
                                             nullptr, note.trips)
                     .arg(translated("Figures", note.why));
    }
    return lines.isEmpty() ? QCoreApplication::translate("rodwick::stats::StatisticsWindow",
                                                         "Every trip counted.")
                           : lines.join(QLatin1Char('\n'));
}

QString aboutText(const ValueTable& values) {
    if (values.field != Field::StartTime) return translated("Figures", values.about);
    QStringList parts;
    for (int part = 0; part < kPartOfDayCount; ++part) {
        const auto which = static_cast<PartOfDay>(part);
        parts << almanacText(std::string(nameOf(which))) + QLatin1Char(' ') +
                     QString::fromStdString(boundsOf(which));
    }
    return QCoreApplication::translate("rodwick::stats::StatisticsWindow",
                                       "%1; a trip counts in each part it spans.")
        .arg(parts.join(QStringLiteral(", ")));
}

QString localShare(double share) {
    if (windowsSpeakEnglish()) return fromFileText(formatShare(share));
    // German and French set the sign apart by a blank that never breaks.
    return windowsLocale().toString(std::lround(share * 100)) + QChar(0x00A0) +
           windowsLocale().percent();
}

QString localMonth(int year, int month) {
    if (windowsSpeakEnglish()) return fromFileText(formatMonth(year, month));
    return windowsLocale().standaloneMonthName(month, QLocale::ShortFormat) + QLatin1Char(' ') +
           QString::number(year);
}

}  // namespace rodwick::stats
