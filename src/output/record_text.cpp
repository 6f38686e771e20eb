#include "record_text.h"

#include "decimal.h"

#include <algorithm>

namespace rodwick {

namespace {

const std::string& F(const TripRecord& record, Field field) {
    return record[field];
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

std::string JoinedValue(const std::string& major, const std::string& minor) {
    return major + "." + minor;
}

std::array<std::string, kValueCount> RecordValues(const TripRecord& r) {
    using enum Field;
    return {F(r, venue),
            F(r, waterType),
            F(r, ticketPrice),
            F(r, club),
            JoinedValue(F(r, totalWeightMajor), F(r, totalWeightMinor)),
            F(r, waterCondition),
            F(r, weather),
            F(r, temperature),
            F(r, method),
            JoinedValue(F(r, depthMajor), F(r, depthMinor)),
            F(r, bait),
            F(r, species),
            F(r, bestFish),
            JoinedValue(F(r, bestFishWeightMajor), F(r, bestFishWeightMinor)),
            F(r, restrictions),
            F(r, remarks),
            F(r, date),
            F(r, startTime),
            F(r, finishTime)};
}

std::string ClipboardText(const TripRecord& record) {
    const std::array<std::string, kValueCount> values = RecordValues(record);
    std::string text = values[0];
    for (int i = 1; i < kValueCount; ++i) text += "\r\n" + values[i];
    return text;
}

std::vector<std::string> RecordPrintLines(const TripRecord& r, const UnitNames& units) {
    using enum Field;
    const std::string& weightUnit = units.weightMajorUnit;
    return {
        "Venue: " + F(r, venue),
        "Type of Water: " + F(r, waterType),
        "Day Ticket Price: " + F(r, ticketPrice),
        "Club: " + F(r, club),
        "Total Weight: " + JoinedValue(F(r, totalWeightMajor), F(r, totalWeightMinor)) + " " +
            weightUnit,
        "Water Conditions: " + F(r, waterCondition),
        "Weather: " + F(r, weather),
        "Temperature: " + F(r, temperature),
        "Method: " + F(r, method),
        "Depth: " + JoinedValue(F(r, depthMajor), F(r, depthMinor)) + " " + units.depthMajorUnit,
        "Best Bait, etc :" + F(r, bait),
        "Species Caught: " + F(r, species),
        "Best Fish: " + F(r, bestFish) + "        Weight: " +
            JoinedValue(F(r, bestFishWeightMajor), F(r, bestFishWeightMinor)) + " " + weightUnit,
        "Restrictions: " + F(r, restrictions),
        "Remarks: " + F(r, remarks),
        "Date: " + F(r, date),
        "Start Time: " + F(r, startTime),
        "Finish Time: " + F(r, finishTime),
        "  ",
    };
}

const std::vector<std::string>& NoteSheetLines() {
    static const std::vector<std::string> lines{
        "Venue:",
        "Type of Water:",
        "Day Ticket Price:",
        "Club:",
        "Total Weight:",
        "Water Conditions:",
        "Weather:",
        "Temperature:",
        "Method:",
        "Depth:",
        "Best Bait:",
        "Species Caught:",
        "Best Fish:",
        "Best Fish Weight:",
        "Restrictions:",
        "Remarks:",
        "Date:",
        "Start Time:",
        "Finish Time:",
        " ",
        " ",
    };
    return lines;
}

std::optional<int> WholeNumber16(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);

    // A plain decimal number only: the shared reader would also take an exponent.
    if (text.find_first_of("eE") != std::string_view::npos) return std::nullopt;
    const std::optional<std::int64_t> value = ScaledWhole(text, 0);
    if (!value) return std::nullopt;
    if (*value < -32768 || *value > 32767) return std::nullopt;
    return static_cast<int>(*value);
}

}  // namespace rodwick
