// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "photo_shelf.h"
#include "record_table.h"

namespace rodwick {

// When a trip was, as its photos tell: the date of the earliest recorded time, that time as the
// start and the latest as the finish, written as the program writes those fields ("06-16-2001",
// "07:30"). A finish before the start reads as a trip past midnight, as the statistics take it.
struct TripTimes {
    std::string date;
    std::string start;
    std::string finish;
    bool operator==(const TripTimes&) const = default;

    // The Date, Start time and Finish time fields with these texts.
    FieldTexts fields() const;
};

// The times of a trip from the photos picked for it. A photo without a recorded time tells
// nothing (the file's own time is never taken for it); nothing when none has one.
std::optional<TripTimes> tripTimesOf(const std::vector<PhotoShelf::Picked>& photos);

}  // namespace rodwick
