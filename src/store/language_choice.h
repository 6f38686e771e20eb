// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "file_io.h"
#include "program_files.h"
#include "result.h"

namespace rodwick {

// The languages the program speaks besides English, its source language, as ISO 639-1 codes.
inline const std::vector<std::string>& shippedLanguages() {
    static const std::vector<std::string> kLanguages = {"de", "fr"};
    return kLanguages;
}

// The user's choice of language for the windows, kept in its own small file of the user's
// configuration (CONFIG/rodwick/language.conf), apart from the settings file that other
// versions of the program read. No file means "the system's language".
std::string languageChoiceFile(const UserFolders& user);

// "en", "de" or "fr" where the file holds a choice of a language the program speaks; "" (the
// system's language) where there is no file, or one this version cannot read.
std::string readLanguageChoice(const std::string& path);

// Keeps the choice; "" removes the file, so that the system's language is followed again.
Status writeLanguageChoice(const std::string& path, const std::string& language,
                           const FileOps& ops = FileOps::system());

// The language the windows speak: the user's choice where there is one, else the first of the
// system's languages (BCP 47 tags in the order of preference, "de-AT", "fr_CA", "en") that the
// program speaks; English where none is.
std::string languageToUse(const std::string& choice, const std::vector<std::string>& uiLanguages);

}  // namespace rodwick
