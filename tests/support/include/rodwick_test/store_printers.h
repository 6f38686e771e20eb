#pragma once

#include <ostream>

#include "record_table.h"

// Test failure messages name a field instead of printing its number. gtest finds PrintTo beside
// the enum, so these live in the enum's namespace.
namespace rodwick {

// A switch without default: a field added without a name here fails the build (-Wswitch).
inline const char* FieldName(Field field) {
    switch (field) {
        case Field::venue:
            return "venue";
        case Field::waterType:
            return "waterType";
        case Field::ticketPrice:
            return "ticketPrice";
        case Field::club:
            return "club";
        case Field::totalWeightMajor:
            return "totalWeightMajor";
        case Field::totalWeightMinor:
            return "totalWeightMinor";
        case Field::waterCondition:
            return "waterCondition";
        case Field::weather:
            return "weather";
        case Field::temperature:
            return "temperature";
        case Field::method:
            return "method";
        case Field::depthMajor:
            return "depthMajor";
        case Field::depthMinor:
            return "depthMinor";
        case Field::bait:
            return "bait";
        case Field::species:
            return "species";
        case Field::bestFish:
            return "bestFish";
        case Field::bestFishWeightMajor:
            return "bestFishWeightMajor";
        case Field::bestFishWeightMinor:
            return "bestFishWeightMinor";
        case Field::restrictions:
            return "restrictions";
        case Field::remarks:
            return "remarks";
        case Field::date:
            return "date";
        case Field::startTime:
            return "startTime";
        case Field::finishTime:
            return "finishTime";
    }
    return nullptr;
}

// A number outside the enum still shows, as itself.
inline void PrintTo(Field field, std::ostream* out) {
    if (const char* name = FieldName(field)) {
        *out << "Field::" << name;
    } else {
        *out << "Field(" << static_cast<int>(field) << ")";
    }
}

}  // namespace rodwick
