// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>

#include "readings.h"

namespace rodwick {

// The windows' language as the translations were installed for it ("de"), and the numbers and
// dates of the figures written in it. Under English, or before a language is set, every text is
// written as the program has always written it ("04-12-2001", "12.50"), so that
// nothing an English user sees changes; under another language in that language's way
// ("12.04.01", "12,50"). Only the windows' figures follow it: the log book, the record
// view and every file keep the texts as stored.
void setWindowsLanguage(const QString& language);
QString windowsLanguage();
QLocale windowsLocale();
bool windowsSpeakEnglish();

// A date as the figures show it; the locale's short date.
QString localDate(const Date& date);
// A price in cents, two decimals with the locale's decimal sign.
QString localMoney(double cents);

}  // namespace rodwick
