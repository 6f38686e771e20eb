// SPDX-License-Identifier: GPL-3.0-or-later
#include "trip_from_photos.h"

#include <cstdio>

#include "readings.h"

namespace rodwick {

namespace {

// As the example log book and the editor's users write times: "07:30". The seconds a camera
// records are dropped, not rounded, so a start never moves past the first photo.
std::string clockText(const PhotoTime& time) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", time.hour, time.minute);
    return text;
}

}  // namespace

FieldTexts TripTimes::fields() const {
    return {{Field::Date, date}, {Field::StartTime, start}, {Field::FinishTime, finish}};
}

std::optional<TripTimes> tripTimesOf(const std::vector<PhotoShelf::Picked>& photos) {
    std::optional<PhotoTime> earliest;
    std::optional<PhotoTime> latest;
    for (const PhotoShelf::Picked& photo : photos) {
        if (!photo.taken) continue;
        if (!earliest || *photo.taken < *earliest) earliest = photo.taken;
        if (!latest || *photo.taken > *latest) latest = photo.taken;
    }
    if (!earliest) return std::nullopt;
    return TripTimes{.date = formatDate(
                         {.year = earliest->year, .month = earliest->month, .day = earliest->day}),
                     .start = clockText(*earliest),
                     .finish = clockText(*latest)};
}

}  // namespace rodwick
