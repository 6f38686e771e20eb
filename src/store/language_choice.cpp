// SPDX-License-Identifier: GPL-3.0-or-later
#include "language_choice.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace rodwick {

namespace {

constexpr const char* kKey = "language=";

bool spoken(const std::string& language) {
    if (language == "en") return true;
    const auto& shipped = shippedLanguages();
    return std::find(shipped.begin(), shipped.end(), language) != shipped.end();
}

// "de-AT" and "de_AT.UTF-8" are both German: the letters before the first separator.
std::string primaryLanguage(const std::string& tag) {
    std::string language;
    for (const char c : tag) {
        if (c == '-' || c == '_' || c == '.' || c == '@') break;
        language += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return language;
}

}  // namespace

std::string languageChoiceFile(const UserFolders& user) {
    std::string config;
    if (!user.configHome.empty() && user.configHome.front() == '/') {
        config = user.configHome;
    } else if (!user.home.empty() && user.home.front() == '/') {
        config = user.home + "/.config";
    }
    return config.empty() ? config : config + "/rodwick/language.conf";
}

std::string readLanguageChoice(const std::string& path) {
    if (path.empty()) return {};
    const Result<std::string> bytes = readFileBytes(path);
    if (!bytes) return {};
    std::string text = bytes.value();
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    if (text.rfind(kKey, 0) != 0) return {};
    const std::string language = text.substr(std::string(kKey).size());
    return spoken(language) ? language : std::string();
}

Status writeLanguageChoice(const std::string& path, const std::string& language,
                           const FileOps& ops) {
    if (path.empty()) return Status::fail("no configuration folder is known");
    std::error_code error;
    if (language.empty()) {
        std::filesystem::remove(path, error);
        if (error) return Status::fail(error.message());
        return Status::success();
    }
    if (!spoken(language)) return Status::fail("no translation into " + language);
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
    if (error) return Status::fail(error.message());
    return writeFileAtomically(path, kKey + language + "\n", ops);
}

std::string languageToUse(const std::string& choice, const std::vector<std::string>& uiLanguages) {
    if (spoken(choice)) return choice;
    for (const std::string& tag : uiLanguages) {
        const std::string language = primaryLanguage(tag);
        if (spoken(language)) return language;
    }
    return "en";
}

}  // namespace rodwick
