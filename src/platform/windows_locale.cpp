// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows_locale.h"

#include <QDate>
#include <cmath>

#include "text.h"

namespace rodwick {
namespace {

QString& language() {
    static QString chosen = QStringLiteral("en");
    return chosen;
}

}  // namespace

void setWindowsLanguage(const QString& chosen) {
    language() = chosen.isEmpty() ? QStringLiteral("en") : chosen;
}

QString windowsLanguage() {
    return language();
}

QLocale windowsLocale() {
    return QLocale(language());
}

bool windowsSpeakEnglish() {
    return windowsLocale().language() == QLocale::English;
}

QString localDate(const Date& date) {
    if (windowsSpeakEnglish()) return fromFileText(formatDate(date));
    return windowsLocale().toString(QDate(date.year, date.month, date.day), QLocale::ShortFormat);
}

QString localMoney(double cents) {
    if (windowsSpeakEnglish()) return fromFileText(formatMoney(cents));
    return windowsLocale().toString(std::llround(cents) / 100.0, 'f', 2);
}

}  // namespace rodwick
