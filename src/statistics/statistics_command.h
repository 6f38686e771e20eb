#pragma once

namespace rodwick::stats {

// The menu entry that opens the statistics window: Options menu, after "Find...", enabled
// only while the table holds records.
struct StatisticsCommand {
    static constexpr const char* kObjectName = "MnuStats";
    static constexpr const char* kCaption = "Statistics...";
    static constexpr const char* kShortcut = "Ctrl+K";
    static constexpr const char* kMenu = "MnuOption";
    static constexpr const char* kAfter = "MnuFind";
    static constexpr bool kNeedsRecords = true;
};

}  // namespace rodwick::stats
