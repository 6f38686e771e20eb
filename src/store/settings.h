// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace rodwick {

// Unit names shown beside the split weight and depth fields; texts as in the settings file.
struct UnitNames {
    std::string weightMajorUnit = "Kg";
    std::string weightMinorUnit = "g";
    std::string depthMajorUnit = "m";
    std::string depthMinorUnit = "cm";

    static UnitNames metric() { return {}; }
    static UnitNames imperial() { return {"lb", "oz", "ft", "inch"}; }
    bool isMetric() const { return weightMajorUnit == "Kg"; }
    bool operator==(const UnitNames&) const = default;
};

struct Settings {
    // UTF-8 path of the database loaded at start (the file holds it in Windows-1252).
    std::string autoloadFile;
    bool showVenuesOnEdit = true;
    UnitNames units;
    // Lines 5 and 8: read and written back, used by nothing.
    std::string reservedWeight = "99";
    std::string reservedDepth = "99";
    // Windows-1252 bytes, as in the file.
    std::string displayFont = "Arial";
    bool operator==(const Settings&) const = default;
};

inline constexpr const char* kSettingsFileName = "ANGLEBOX.INI";
inline constexpr const char* kExampleFileName = "EXAMPLE.RWK";

// programDir is a UTF-8 directory path; "/" is the separator.
std::string settingsPath(const std::string& programDir);
std::string examplePath(const std::string& programDir);
Settings defaultSettings(const std::string& programDir);

// Nothing when the text has fewer than nine lines or line 2 is not a number.
std::optional<Settings> parseSettings(std::string_view bytes);
std::string formatSettings(const Settings& settings);

// The settings of the program directory's file, or the defaults when it is missing or cannot
// be read completely; an empty autoload path becomes the example database. Never writes.
Settings readSettingsFile(const std::string& programDir);
// The same for a settings file and an example database wherever they are.
Settings readSettingsFile(const std::string& settingsPath, const std::string& examplePath);

}  // namespace rodwick
