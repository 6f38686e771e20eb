// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferences.h"

namespace rodwick {

namespace {

// The two systems as the settings file carries them; the reserved numbers go with the names.
struct MeasurementSystem {
    UnitNames units;
    const char* reservedWeight;
    const char* reservedDepth;
};

MeasurementSystem systemOf(bool metric) {
    if (metric) return {UnitNames::metric(), "99", "99"};
    return {UnitNames::imperial(), "14", "16"};
}

}  // namespace

PreferenceChoices choicesOf(const Settings& settings) {
    return {settings.autoloadFile, settings.showVenuesOnEdit, settings.units.isMetric()};
}

Status confirmPreferences(Settings& settings, const PreferenceChoices& choices,
                          const std::string& settingsPath, const FileOps& ops) {
    const MeasurementSystem system = systemOf(choices.metric);
    settings.autoloadFile = choices.autoloadFile;
    settings.showVenuesOnEdit = choices.showVenuesOnEdit;
    settings.units = system.units;
    settings.reservedWeight = system.reservedWeight;
    settings.reservedDepth = system.reservedDepth;
    // Written as a database is saved: a failed write leaves the old file whole.
    return writeFileAtomically(settingsPath, formatSettings(settings), ops);
}

}  // namespace rodwick
