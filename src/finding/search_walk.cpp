// SPDX-License-Identifier: GPL-3.0-or-later
#include "search_walk.h"

#include <QCoreApplication>

#include <algorithm>

namespace rodwick {

SearchHooks windowHooks(platform::Platform& platform, RecordBook& book) {
    SearchHooks hooks;
    hooks.showRecord = [&book](int record) { book.show(record); };
    hooks.askToContinue = [&platform] {
        return platform.showMessage({QCoreApplication::translate("Search", "Continue Search?"),
                                     QCoreApplication::translate("Search", "Search"),
                                     platform::Buttons::YesNo, platform::Icon::Question}) ==
               platform::Answer::Yes;
    };
    hooks.announceComplete = [&platform] {
        platform.showMessage({QCoreApplication::translate("Search", "Search Complete"),
                              QCoreApplication::translate("Search", "Search"),
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
