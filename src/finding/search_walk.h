// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform.h"
#include "record_book.h"

namespace rodwick {

// Tests the file text of a field for a word, both upper-cased through one locale after the
// codec. The test is an ordinal substring test of the two upper-cased texts.
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

// What the search asks of the windows around it.
struct SearchHooks {
    // A record that holds the word: make it current and show it.
    std::function<void(int record)> showRecord;
    // "Continue Search?": true for Yes.
    std::function<bool()> askToContinue;
    // "Search Complete".
    std::function<void()> announceComplete;
};

// The hooks of the real program: the book shows the hit, and the two message boxes.
SearchHooks windowHooks(platform::Platform& platform, RecordBook& book);

// The word search over all fields of all records. It lives for the whole run, so that a
// search paused at a hit goes on from there the next time it runs.
class SearchWalk {
  public:
    explicit SearchWalk(const QLocale& locale = QLocale::system()) : matcher_(locale) {}

    // Empty while no search is in progress; upper-cased once a search has run.
    const QString& searchWord() const { return searchWord_; }
    // The last record examined; after a pause, the record of the last hit.
    int searchPosition() const { return searchPosition_; }

    // A new word as typed, not trimmed: the next run starts from the first record.
    void startWord(const QString& word);

    // Walks on from the record after searchPosition, making each record that holds the word
    // current and asking whether to go on, until the user says No (the search pauses there)
    // or the records run out ("Search Complete"; the search ends). Does nothing for an empty
    // word.
    void runSearch(const RecordTable& table, const SearchHooks& hooks);

  private:
    bool recordHolds(const TripRecord& record) const;

    WordMatcher matcher_;
    QString searchWord_;
    int searchPosition_ = 0;
};

}  // namespace rodwick
