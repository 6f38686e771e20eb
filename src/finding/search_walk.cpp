// SPDX-License-Identifier: GPL-3.0-or-later
#include "search_walk.h"

#include <algorithm>

#include "text.h"

namespace rodwick {

namespace {

bool isAscii(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

char asciiCapital(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// True when the locale upper-cases every ASCII character to its ASCII capital, itself for
// all but the 26 small letters.
bool givesAsciiCapitals(const QLocale& locale) {
    for (int code = 0; code < 0x80; ++code) {
        const char c = static_cast<char>(code);
        const QString upper = locale.toUpper(QString(QChar::fromLatin1(c)));
        if (upper != QString(QChar::fromLatin1(asciiCapital(c)))) return false;
    }
    return true;
}

}  // namespace

WordMatcher::WordMatcher(const QLocale& locale)
    : locale_(locale), asciiCapitals_(givesAsciiCapitals(locale)) {}

void WordMatcher::setWord(const QString& upperWord) {
    word_ = upperWord;
    asciiWord_.reset();
    bool ascii = true;
    for (QChar c : upperWord) ascii = ascii && c.unicode() < 0x80;
    if (ascii) asciiWord_ = upperWord.toStdString();
}

bool WordMatcher::fieldHolds(std::string_view fieldBytes) const {
    if (asciiCapitals_ && isAscii(fieldBytes)) {
        if (!asciiWord_) return false;
        const std::string& word = *asciiWord_;
        return std::search(fieldBytes.begin(), fieldBytes.end(), word.begin(), word.end(),
                           [](char field, char w) { return asciiCapital(field) == w; }) !=
               fieldBytes.end();
    }
    return upperCase(fromFileText(fieldBytes)).contains(word_);
}

SearchHooks windowHooks(platform::Platform& platform, RecordBook& book) {
    SearchHooks hooks;
    hooks.showRecord = [&book](int record) { book.show(record); };
    hooks.askToContinue = [&platform] {
        return platform.showMessage({QStringLiteral("Continue Search?"), QStringLiteral("Search"),
                                     platform::Buttons::YesNo, platform::Icon::Question}) ==
               platform::Answer::Yes;
    };
    hooks.announceComplete = [&platform] {
        platform.showMessage({QStringLiteral("Search Complete"), QStringLiteral("Search"),
                              platform::Buttons::Ok, platform::Icon::Information});
    };
    return hooks;
}

void SearchWalk::startWord(const QString& word) {
    searchPosition_ = 0;
    searchWord_ = word;
}

void SearchWalk::runSearch(const RecordTable& table, const SearchHooks& hooks) {
    searchWord_ = matcher_.upperCase(searchWord_);
    if (searchWord_.isEmpty()) return;
    matcher_.setWord(searchWord_);

    for (;;) {
        // Nothing left after the position: the pass is over, whether anything was found or
        // not, and the view keeps the last record it showed.
        if (searchPosition_ >= table.recordCount()) {
            hooks.announceComplete();
            searchPosition_ = 0;
            searchWord_.clear();
            return;
        }
        const int r = ++searchPosition_;
        if (!recordHolds(table.slot(r))) continue;
        hooks.showRecord(r);
        if (!hooks.askToContinue()) return;
    }
}

bool SearchWalk::recordHolds(const TripRecord& record) const {
    return std::any_of(record.fields.begin(), record.fields.end(),
                       [this](const std::string& field) { return matcher_.fieldHolds(field); });
}

}  // namespace rodwick
