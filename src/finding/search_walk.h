// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <functional>
#include <string>
#include <string_view>

#include "platform.h"
#include "record_book.h"
#include "text.h"

namespace rodwick {

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
