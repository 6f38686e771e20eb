// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace rodwick {

// The window boundary: file text (Windows-1252 bytes) to Unicode and back, through the
// store's one codec. Characters Windows-1252 cannot carry become '?'.
QString fromFileText(std::string_view bytes);
std::string toFileText(const QString& text);

// The program's own texts (captions, prompts) are UTF-8.
QString fromUtf8(std::string_view utf8);

// Paths are UTF-8 in the store.
QString fromPath(const std::string& utf8Path);
std::string toPath(const QString& path);

// Find's rule, which the filter of the trip list and the statistics follow too: tests the file
// text of a field for a word, both upper-cased through one locale after the codec. The test is
// an ordinal substring test of the two upper-cased texts.
class WordMatcher {
  public:
    explicit WordMatcher(const QLocale& locale = QLocale::system());

    // The locale's upper-casing of letters; other characters stay as they are.
    QString upperCase(const QString& text) const { return locale_.toUpper(text); }
    // The word the fields are tested for, upper-cased already.
    void setWord(const QString& upperWord);
    // True when the field, upper-cased, holds the word anywhere.
    bool fieldHolds(std::string_view fieldBytes) const;

  private:
    QLocale locale_;
    QString word_;
    // Most fields are plain ASCII. Where the locale gives every ASCII character its ASCII
    // capital (it does not in Turkish, for one), such a field is upper-cased byte by byte
    // without the trip through Unicode; it cannot hold a word with any other character.
    bool asciiCapitals_ = false;
    std::optional<std::string> asciiWord_;
};

}  // namespace rodwick
