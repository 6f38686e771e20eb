#include "fixed_lists.h"

#include <algorithm>

namespace rodwick {

const QStringList& WaterTypeList() {
    static const QStringList list{"Canal", "River", "Sea", "Pond", "Lake", "Reservoir"};
    return list;
}

const QStringList& WaterConditionList() {
    static const QStringList list{"Dirty", "Not very clean", "Satisfactory", "Clean", "Very Clean"};
    return list;
}

const QStringList& WeatherList() {
    static const QStringList list{
        "Sunny", "Cloudy", "Raining", "Hail", "Strong Wind", "Snow", "Thunder & Lightning"};
    return list;
}

const QStringList& BaitList() {
    static const QStringList list{"Maggots",        "Worms", "Bread",     "Meat",
                                  "Fish/Shellfish", "Flies", "Pirks/Jigs"};
    return list;
}

const QStringList& SpeciesList() {
    static const QStringList list{
        "Salmon",    "Bass",        "Carp",          "Bream",  "Cod",      "Pike",
        "Chub",      "Roach",       "Pollack",       "Wasse",  "Conger",   "Plaice",
        "Sea Trout", "Brown Trout", "Rainbow Trout", "Perch",  "Lamprey",  "Herring",
        "Shark",     "Monkfish",    "Tunafish",      "Tope",   "Halibat",  "Ling",
        "Skate",     "Mackeral",    "Coalfish",      "Mullet", "Flounder", "Haddock",
        "Barbel",    "Tench",       "Gudgeon",       "Rudd",   "Snapper",  "Kahawai"};
    return list;
}

QStringList SortedWithoutCase(QStringList list) {
    std::stable_sort(list.begin(), list.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return list;
}

}  // namespace rodwick
