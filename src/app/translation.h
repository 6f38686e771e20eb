// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace rodwick {

// The language the windows speak at this start: the user's choice (Help, Switch Application
// Language...) where there is one, else the first of the system's languages (LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG, as Qt reads them) that the program speaks, else English.
QString startLanguage();
QString startLanguage(const QString& choiceFile, const QStringList& uiLanguages);

// Installs the program's translation and Qt's own (the standard dialogs' buttons) for language
// into the application, replacing any installed before. English installs only the plural
// forms of the source texts ("%n trip(s)"): every other text shows as written in the source. False
// where the program's translation is missing. The figures' numbers and dates follow the
// language installed (windowsLocale). Must run before the first window is built: the
// windows translate their texts as they are made.
bool installTranslations(const QString& language);

}  // namespace rodwick
