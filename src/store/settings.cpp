// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings.h"

#include <vector>

#include "codec.h"
#include "file_io.h"
#include "text_lines.h"

namespace rodwick {

namespace {

constexpr int kSettingsLines = 9;

std::string inProgramDir(const std::string& programDir, const char* fileName) {
    // An empty directory means the current one, not the file system's root.
    if (programDir.empty()) return fileName;
    if (programDir.back() == '/') return programDir + fileName;
    return programDir + "/" + fileName;
}

// Line 2 is any whole number, surrounding blanks ignored.
std::optional<long long> parseWholeNumber(std::string_view line) {
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    bool negative = false;
    if (!line.empty() && (line.front() == '-' || line.front() == '+')) {
        negative = line.front() == '-';
        line.remove_prefix(1);
    }
    const long long magnitude = parseCount(line);
    if (magnitude < 0 || line.empty() || line.front() == ' ' || line.front() == '\t') {
        return std::nullopt;
    }
    return negative ? -magnitude : magnitude;
}

}  // namespace

std::string settingsPath(const std::string& programDir) {
    return inProgramDir(programDir, kSettingsFileName);
}

std::string examplePath(const std::string& programDir) {
    return inProgramDir(programDir, kExampleFileName);
}

Settings defaultSettings(const std::string& programDir) {
    Settings settings;
    settings.autoloadFile = examplePath(programDir);
    return settings;
}

std::optional<Settings> parseSettings(std::string_view bytes) {
    const std::vector<std::string> lines = splitLines(bytes);
    if (lines.size() < kSettingsLines) {
        return std::nullopt;
    }
    const std::optional<long long> showVenues = parseWholeNumber(lines[1]);
    if (!showVenues) {
        return std::nullopt;
    }
    Settings settings;
    settings.autoloadFile = cp1252ToUtf8(lines[0]);
    // Only 1 switches the lists on; a hand-edited other number is written back as 0.
    settings.showVenuesOnEdit = *showVenues == 1;
    settings.units.weightMajorUnit = lines[2];
    settings.units.weightMinorUnit = lines[3];
    settings.reservedWeight = lines[4];
    settings.units.depthMajorUnit = lines[5];
    settings.units.depthMinorUnit = lines[6];
    settings.reservedDepth = lines[7];
    settings.displayFont = lines[8];
    return settings;
}

std::string formatSettings(const Settings& settings) {
    std::string out;
    // The file cannot say "unknown character": what the code page lacks is written as '?'.
    appendTextLine(out, utf8ToCp1252Lossy(settings.autoloadFile));
    appendTextLine(out, formatNumber(settings.showVenuesOnEdit ? 1 : 0));
    appendTextLine(out, settings.units.weightMajorUnit);
    appendTextLine(out, settings.units.weightMinorUnit);
    appendTextLine(out, settings.reservedWeight);
    appendTextLine(out, settings.units.depthMajorUnit);
    appendTextLine(out, settings.units.depthMinorUnit);
    appendTextLine(out, settings.reservedDepth);
    appendTextLine(out, settings.displayFont);
    return out;
}

Settings readSettingsFile(const std::string& programDir) {
    return readSettingsFile(settingsPath(programDir), examplePath(programDir));
}

Settings readSettingsFile(const std::string& path, const std::string& examplePath) {
    Settings settings;
    settings.autoloadFile = examplePath;
    if (fileExists(path)) {
        if (Result<std::string> bytes = readFileBytes(path)) {
            if (std::optional<Settings> parsed = parseSettings(bytes.value())) {
                settings = std::move(*parsed);
            }
        }
    }
    if (settings.autoloadFile.empty()) {
        settings.autoloadFile = examplePath;
    }
    return settings;
}

}  // namespace rodwick
