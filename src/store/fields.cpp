#include "fields.h"

namespace rodwick {

namespace {

constexpr bool InFieldOrder() {
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        if (static_cast<std::size_t>(kFields[i].field) != i) return false;
    }
    return true;
}
static_assert(InFieldOrder(), "one row per field, in field order");

// A minor part follows its major, which every reader of a split value relies on.
constexpr bool MinorFollowsMajor() {
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        const UnitKind unit = kFields[i].unit;
        const bool minor = unit == UnitKind::weightMinor || unit == UnitKind::depthMinor;
        if (!minor) continue;
        const UnitKind major =
            unit == UnitKind::weightMinor ? UnitKind::weightMajor : UnitKind::depthMajor;
        if (i == 0 || kFields[i - 1].unit != major) return false;
    }
    return true;
}
static_assert(MinorFollowsMajor(), "a minor part comes right after its major");

}  // namespace

const std::string& UnitName(UnitKind unit, const UnitNames& units) {
    static const std::string none;
    switch (unit) {
        case UnitKind::weightMajor:
            return units.weightMajorUnit;
        case UnitKind::weightMinor:
            return units.weightMinorUnit;
        case UnitKind::depthMajor:
            return units.depthMajorUnit;
        case UnitKind::depthMinor:
            return units.depthMinorUnit;
        case UnitKind::none:
        case UnitKind::temperature:
        case UnitKind::price:
            break;
    }
    return none;
}

std::string FieldHeading(Field field, const UnitNames& units) {
    std::string_view caption = CaptionAlone(field);
    if (caption.ends_with(':')) caption.remove_suffix(1);
    std::string heading(caption);
    const UnitKind unit = FieldInfoOf(field).unit;
    if (HasUnitName(unit)) heading += " (" + UnitName(unit, units) + ")";
    return heading;
}

}  // namespace rodwick
