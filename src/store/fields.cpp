// SPDX-License-Identifier: GPL-3.0-or-later
#include "fields.h"

namespace rodwick {

namespace {

constexpr bool inFieldOrder() {
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        if (static_cast<std::size_t>(kFields[i].field) != i) return false;
    }
    return true;
}
static_assert(inFieldOrder(), "one row per field, in field order");

// A minor part follows its major, which every reader of a split value relies on.
constexpr bool minorFollowsMajor() {
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        const UnitKind unit = kFields[i].unit;
        const bool minor = unit == UnitKind::WeightMinor || unit == UnitKind::DepthMinor;
        if (!minor) continue;
        const UnitKind major =
            unit == UnitKind::WeightMinor ? UnitKind::WeightMajor : UnitKind::DepthMajor;
        if (i == 0 || kFields[i - 1].unit != major) return false;
    }
    return true;
}
static_assert(minorFollowsMajor(), "a minor part comes right after its major");

}  // namespace

const std::string& unitName(UnitKind unit, const UnitNames& units) {
    static const std::string kNone;
    switch (unit) {
        case UnitKind::WeightMajor:
            return units.weightMajorUnit;
        case UnitKind::WeightMinor:
            return units.weightMinorUnit;
        case UnitKind::DepthMajor:
            return units.depthMajorUnit;
        case UnitKind::DepthMinor:
            return units.depthMinorUnit;
        case UnitKind::None:
        case UnitKind::Temperature:
        case UnitKind::Price:
            break;
    }
    return kNone;
}

std::string fieldHeading(Field field, const UnitNames& units) {
    std::string_view caption = captionAlone(field);
    if (caption.ends_with(':')) caption.remove_suffix(1);
    std::string heading(caption);
    const UnitKind unit = fieldInfoOf(field).unit;
    if (hasUnitName(unit)) heading += " (" + unitName(unit, units) + ")";
    return heading;
}

}  // namespace rodwick
