// SPDX-License-Identifier: GPL-3.0-or-later
#include "almanac.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "figures.h"
#include "translatable.h"

namespace rodwick::stats {
namespace {

// The new moons follow Jean Meeus, "Astronomical Algorithms" (2nd ed., 1998), chapter 49: the
// mean new moon of lunation k (k = 0 on 2000 January 6) refined with the periodic terms of at
// least 0.00017 day. The smaller terms and the planetary arguments, each under a minute, are
// left out, as are Dynamical Time's minute or so: a phase spans more than three days.
constexpr double kMeanNewMoon2000 = 2451550.09766;  // Julian Ephemeris Day
constexpr double kSynodicMonth = 29.530588861;      // days

// amplitude (days) * E^ePower * sin(m * M + mp * M' + f * F + om * Omega)
struct Term {
    double amplitude;
    int ePower;
    int m, mp, f, om;
};
constexpr Term kNewMoonTerms[] = {
    {-0.40720, 0, 0, 1, 0, 0}, {0.17241, 1, 1, 0, 0, 0},   {0.01608, 0, 0, 2, 0, 0},
    {0.01039, 0, 0, 0, 2, 0},  {0.00739, 1, -1, 1, 0, 0},  {-0.00514, 1, 1, 1, 0, 0},
    {0.00208, 2, 2, 0, 0, 0},  {-0.00111, 0, 0, 1, -2, 0}, {-0.00057, 0, 0, 1, 2, 0},
    {0.00056, 1, 1, 2, 0, 0},  {-0.00042, 0, 0, 3, 0, 0},  {0.00042, 1, 1, 0, 2, 0},
    {0.00038, 1, 1, 0, -2, 0}, {-0.00024, 1, -1, 2, 0, 0}, {-0.00017, 0, 0, 0, 0, 1},
};

double radians(double degrees) {
    return std::fmod(degrees, 360.0) * std::numbers::pi / 180.0;
}

// The Julian Day of new moon number k.
double newMoon(long k) {
    const double t = static_cast<double>(k) / 1236.85;  // Julian centuries from 2000
    const double t2 = t * t, t3 = t2 * t, t4 = t3 * t;
    const double mean = kMeanNewMoon2000 + kSynodicMonth * static_cast<double>(k) +
                        0.00015437 * t2 - 0.000000150 * t3 + 0.00000000073 * t4;
    const double e = 1 - 0.002516 * t - 0.0000074 * t2;  // the Earth's orbit's eccentricity
    const double kd = static_cast<double>(k);
    const double sunAnomaly = 2.5534 + 29.10535670 * kd - 0.0000014 * t2 - 0.00000011 * t3;
    const double moonAnomaly =
        201.5643 + 385.81693528 * kd + 0.0107582 * t2 + 0.00001238 * t3 - 0.000000058 * t4;
    const double latitude =
        160.7108 + 390.67050284 * kd - 0.0016118 * t2 - 0.00000227 * t3 + 0.000000011 * t4;
    const double node = 124.7746 - 1.56375588 * kd + 0.0020672 * t2 + 0.00000215 * t3;
    const double powersOfE[] = {1, e, e * e};
    double correction = 0;
    for (const Term& term : kNewMoonTerms) {
        const double angle =
            term.m * sunAnomaly + term.mp * moonAnomaly + term.f * latitude + term.om * node;
        correction += term.amplitude * powersOfE[term.ePower] * std::sin(radians(angle));
    }
    return mean + correction;
}

// The Julian Day at midday, Universal Time, of a date.
double middayOf(const Date& date) {
    using namespace std::chrono;
    const sys_days day{year_month_day{year{date.year}, month{static_cast<unsigned>(date.month)},
                                      std::chrono::day{static_cast<unsigned>(date.day)}}};
    return 2440588.0 + day.time_since_epoch().count();  // 1970-01-01 12:00 UT
}

constexpr std::array<std::string_view, kMoonPhaseCount> kMoonPhaseNames = {
    RODWICK_TR_NOOP("Almanac", "New Moon"),      RODWICK_TR_NOOP("Almanac", "Waxing Crescent"),
    RODWICK_TR_NOOP("Almanac", "First Quarter"), RODWICK_TR_NOOP("Almanac", "Waxing Gibbous"),
    RODWICK_TR_NOOP("Almanac", "Full Moon"),     RODWICK_TR_NOOP("Almanac", "Waning Gibbous"),
    RODWICK_TR_NOOP("Almanac", "Last Quarter"),  RODWICK_TR_NOOP("Almanac", "Waning Crescent")};

// Minutes after midnight; Night runs past midnight into the next day.
struct PartBounds {
    std::string_view name;
    int from;
    int to;
};
constexpr std::array<PartBounds, kPartOfDayCount> kPartsOfDay = {{
    {RODWICK_TR_NOOP("Almanac", "Dawn"), 4 * 60, 7 * 60},
    {RODWICK_TR_NOOP("Almanac", "Morning"), 7 * 60, 12 * 60},
    {RODWICK_TR_NOOP("Almanac", "Afternoon"), 12 * 60, 17 * 60},
    {RODWICK_TR_NOOP("Almanac", "Evening"), 17 * 60, 21 * 60},
    {RODWICK_TR_NOOP("Almanac", "Night"), 21 * 60, 4 * 60},
}};
constexpr int kDay = 24 * 60;

}  // namespace

MoonPhase moonPhaseOf(const Date& date) {
    const double when = middayOf(date);
    // A true new moon is within a day of the mean one, so one step either way finds the last
    // new moon at or before the day.
    auto k = static_cast<long>(std::floor((when - kMeanNewMoon2000) / kSynodicMonth));
    double last = newMoon(k);
    if (last > when) last = newMoon(--k);
    double next = newMoon(k + 1);
    if (next <= when) {
        last = next;
        next = newMoon(++k + 1);
    }
    const double cycle = (when - last) / (next - last);
    return static_cast<MoonPhase>(static_cast<int>(std::floor(cycle * kMoonPhaseCount + 0.5)) %
                                  kMoonPhaseCount);
}

std::string_view nameOf(MoonPhase phase) {
    return kMoonPhaseNames[static_cast<std::size_t>(phase)];
}

std::string_view nameOf(PartOfDay part) {
    return kPartsOfDay[static_cast<std::size_t>(part)].name;
}

std::string boundsOf(PartOfDay part) {
    const PartBounds& bounds = kPartsOfDay[static_cast<std::size_t>(part)];
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d-%02d:%02d", bounds.from / 60, bounds.from % 60,
                  bounds.to / 60, bounds.to % 60);
    return text;
}

std::string partsOfDayBounds() {
    std::string text;
    for (int part = 0; part < kPartOfDayCount; ++part) {
        const auto which = static_cast<PartOfDay>(part);
        text += (text.empty() ? "" : ", ") + std::string(nameOf(which)) + " " + boundsOf(which);
    }
    return text;
}

std::vector<PartOfDay> partsOfDay(int start, int finish) {
    const int end = start + minutesFished(start, finish);  // before start + a day
    std::vector<PartOfDay> parts;
    for (std::size_t i = 0; i < kPartsOfDay.size(); ++i) {
        const int from = kPartsOfDay[i].from;
        const int to = kPartsOfDay[i].to > from ? kPartsOfDay[i].to : kPartsOfDay[i].to + kDay;
        // The part on the day before, on the trip's day and on the day after.
        const bool overlaps = std::ranges::any_of(std::array{-kDay, 0, kDay}, [&](int shift) {
            return std::min(end, to + shift) > std::max(start, from + shift);
        });
        if (overlaps) parts.push_back(static_cast<PartOfDay>(i));
    }
    return parts;
}

}  // namespace rodwick::stats
