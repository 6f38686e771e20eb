// SPDX-License-Identifier: GPL-3.0-or-later
#include "translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <string>
#include <vector>

#include "language_choice.h"
#include "program_files.h"
#include "windows_locale.h"

namespace rodwick {

namespace {

// Kept for the life of the program: an installed translator must outlive every text it gives.
QTranslator& programTranslator() {
    static QTranslator translator;
    return translator;
}

QTranslator& qtTranslator() {
    static QTranslator translator;
    return translator;
}

}  // namespace

QString startLanguage(const QString& choiceFile, const QStringList& uiLanguages) {
    std::vector<std::string> system;
    for (const QString& tag : uiLanguages) system.push_back(tag.toStdString());
    const std::string choice = readLanguageChoice(choiceFile.toStdString());
    return QString::fromStdString(languageToUse(choice, system));
}

QString startLanguage() {
    return startLanguage(QString::fromStdString(languageChoiceFile(userFoldersFromEnvironment())),
                         QLocale::system().uiLanguages());
}

bool installTranslations(const QString& language) {
    QCoreApplication::removeTranslator(&programTranslator());
    QCoreApplication::removeTranslator(&qtTranslator());
    // The program's own translation is built into it; English's holds only the plural forms of
    // the source texts. Qt's comes with Qt (Debian's qt6-translations-l10n) and may be missing,
    // which leaves the standard buttons in English.
    const bool loaded = programTranslator().load(QStringLiteral(":/i18n/rodwick_") + language);
    if (loaded) QCoreApplication::installTranslator(&programTranslator());
    // The figures' numbers and dates follow the language the words are in.
    setWindowsLanguage(loaded ? language : QStringLiteral("en"));
    if (language == QLatin1String("en")) return loaded;
    if (qtTranslator().load(QStringLiteral("qtbase_") + language,
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qtTranslator());
    }
    return loaded;
}

}  // namespace rodwick
