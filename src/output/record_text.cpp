// SPDX-License-Identifier: GPL-3.0-or-later
#include "record_text.h"

#include "decimal.h"

#include <algorithm>

namespace rodwick {

namespace {

const std::string& f(const TripRecord& record, Field field) {
    return record[field];
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

std::string joinedValue(const std::string& major, const std::string& minor) {
    return major + "." + minor;
}

std::array<std::string, kValueCount> recordValues(const TripRecord& r) {
    using enum Field;
    return {f(r, Venue),
            f(r, WaterType),
            f(r, TicketPrice),
            f(r, Club),
            joinedValue(f(r, TotalWeightMajor), f(r, TotalWeightMinor)),
            f(r, WaterCondition),
            f(r, Weather),
            f(r, Temperature),
            f(r, Method),
            joinedValue(f(r, DepthMajor), f(r, DepthMinor)),
            f(r, Bait),
            f(r, Species),
            f(r, BestFish),
            joinedValue(f(r, BestFishWeightMajor), f(r, BestFishWeightMinor)),
            f(r, Restrictions),
            f(r, Remarks),
            f(r, Date),
            f(r, StartTime),
            f(r, FinishTime)};
}

std::string clipboardText(const TripRecord& record) {
    const std::array<std::string, kValueCount> values = recordValues(record);
    std::string text = values[0];
    for (int i = 1; i < kValueCount; ++i) text += "\r\n" + values[i];
    return text;
}

std::vector<std::string> recordPrintLines(const TripRecord& r, const UnitNames& units) {
    using enum Field;
    const std::string& weightUnit = units.weightMajorUnit;
    return {
        "Venue: " + f(r, Venue),
        "Type of Water: " + f(r, WaterType),
        "Day Ticket Price: " + f(r, TicketPrice),
        "Club: " + f(r, Club),
        "Total Weight: " + joinedValue(f(r, TotalWeightMajor), f(r, TotalWeightMinor)) + " " +
            weightUnit,
        "Water Conditions: " + f(r, WaterCondition),
        "Weather: " + f(r, Weather),
        "Temperature: " + f(r, Temperature),
        "Method: " + f(r, Method),
        "Depth: " + joinedValue(f(r, DepthMajor), f(r, DepthMinor)) + " " + units.depthMajorUnit,
        "Best Bait, etc :" + f(r, Bait),
        "Species Caught: " + f(r, Species),
        "Best Fish: " + f(r, BestFish) + "        Weight: " +
            joinedValue(f(r, BestFishWeightMajor), f(r, BestFishWeightMinor)) + " " + weightUnit,
        "Restrictions: " + f(r, Restrictions),
        "Remarks: " + f(r, Remarks),
        "Date: " + f(r, Date),
        "Start Time: " + f(r, StartTime),
        "Finish Time: " + f(r, FinishTime),
        "  ",
    };
}

const std::vector<std::string>& noteSheetLines() {
    static const std::vector<std::string> kLines{
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
    return kLines;
}

std::optional<int> wholeNumber16(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);

    // A plain decimal number only: the shared reader would also take an exponent.
    if (text.find_first_of("eE") != std::string_view::npos) return std::nullopt;
    const std::optional<std::int64_t> value = scaledWhole(text, 0);
    if (!value) return std::nullopt;
    if (*value < -32768 || *value > 32767) return std::nullopt;
    return static_cast<int>(*value);
}

}  // namespace rodwick
