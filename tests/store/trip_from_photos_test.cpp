// SPDX-License-Identifier: GPL-3.0-or-later
// A trip's date, start and finish from the times its photos recorded.
#include "trip_from_photos.h"

#include <gtest/gtest.h>

namespace rodwick {
inline void PrintTo(const TripTimes& times, std::ostream* out) {
    *out << '{' << times.date << ' ' << times.start << '-' << times.finish << '}';
}
}  // namespace rodwick

namespace rodwick::testing {
namespace {

PhotoShelf::Picked at(int year, int month, int day, int hour, int minute, int second = 0) {
    return {.path = "camera.jpg", .taken = PhotoTime{year, month, day, hour, minute, second}};
}
const PhotoShelf::Picked kNoTime{.path = "scan.png", .taken = std::nullopt};

struct TimesCase {
    const char* what;
    std::vector<PhotoShelf::Picked> photos;
    std::optional<TripTimes> expected;
};

TEST(TripFromPhotosTest, TheEarliestPhotoStartsTheTripAndTheLatestFinishesIt) {
    const TimesCase cases[] = {
        {"in the order picked, not the order taken",
         {at(2024, 6, 13, 10, 15), at(2024, 6, 13, 7, 5), at(2024, 6, 13, 16, 40)},
         TripTimes{"06-13-2024", "07:05", "16:40"}},
        {"the latest first",
         {at(2024, 6, 13, 16, 40), at(2024, 6, 13, 10, 15), at(2024, 6, 13, 7, 5)},
         TripTimes{"06-13-2024", "07:05", "16:40"}},
        {"one photo starts and finishes the trip",
         {at(2001, 6, 16, 9, 0)},
         TripTimes{"06-16-2001", "09:00", "09:00"}},
        {"seconds dropped, never rounded up past the photo",
         {at(2024, 6, 13, 7, 29, 59), at(2024, 6, 13, 16, 0, 40)},
         TripTimes{"06-13-2024", "07:29", "16:00"}},
        {"a night trip keeps the date it began on",
         {at(2024, 11, 30, 2, 10), at(2024, 11, 29, 22, 45), at(2024, 11, 30, 0, 5)},
         TripTimes{"11-29-2024", "22:45", "02:10"}},
        {"across the new year",
         {at(2025, 1, 1, 0, 30), at(2024, 12, 31, 23, 50)},
         TripTimes{"12-31-2024", "23:50", "00:30"}},
        {"photos without a time tell nothing",
         {kNoTime, at(2024, 6, 13, 11, 0), kNoTime, at(2024, 6, 13, 8, 30), kNoTime},
         TripTimes{"06-13-2024", "08:30", "11:00"}},
        {"none with a time", {kNoTime, kNoTime}, std::nullopt},
        {"no photos", {}, std::nullopt},
    };
    for (const TimesCase& c : cases) EXPECT_EQ(tripTimesOf(c.photos), c.expected) << c.what;
}

}  // namespace
}  // namespace rodwick::testing
