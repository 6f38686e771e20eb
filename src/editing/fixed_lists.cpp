// SPDX-License-Identifier: GPL-3.0-or-later
#include "fixed_lists.h"

#include <algorithm>

namespace rodwick {

const QStringList& waterTypeList() {
    static const QStringList kList{"Canal", "River", "Sea", "Pond", "Lake", "Reservoir"};
    return kList;
}

const QStringList& waterConditionList() {
    static const QStringList kList{"Dirty", "Not very clean", "Satisfactory", "Clean",
                                   "Very Clean"};
    return kList;
}

const QStringList& weatherList() {
    static const QStringList kList{
        "Sunny", "Cloudy", "Raining", "Hail", "Strong Wind", "Snow", "Thunder & Lightning"};
    return kList;
}

const QStringList& baitList() {
    static const QStringList kList{"Maggots",        "Worms", "Bread",     "Meat",
                                   "Fish/Shellfish", "Flies", "Pirks/Jigs"};
    return kList;
}

const QStringList& speciesList() {
    static const QStringList kList{
        "Salmon",    "Bass",        "Carp",          "Bream",  "Cod",      "Pike",
        "Chub",      "Roach",       "Pollack",       "Wasse",  "Conger",   "Plaice",
        "Sea Trout", "Brown Trout", "Rainbow Trout", "Perch",  "Lamprey",  "Herring",
        "Shark",     "Monkfish",    "Tunafish",      "Tope",   "Halibat",  "Ling",
        "Skate",     "Mackeral",    "Coalfish",      "Mullet", "Flounder", "Haddock",
        "Barbel",    "Tench",       "Gudgeon",       "Rudd",   "Snapper",  "Kahawai"};
    return kList;
}

QStringList sortedWithoutCase(QStringList list) {
    std::stable_sort(list.begin(), list.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return list;
}

}  // namespace rodwick
