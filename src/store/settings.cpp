#include "settings.h"

#include <vector>

#include "codec.h"
#include "file_io.h"
#include "text_lines.h"

namespace rodwick {

namespace {

constexpr int kSettingsLines = 9;

std::string InProgramDir(const std::string& programDir, const char* fileName) {
    // An empty directory means the current one, not the file system's root.
    if (programDir.empty()) return fileName;
    if (programDir.back() == '/') return programDir + fileName;
    return programDir + "/" + fileName;
}

// Line 2 is any whole number, surrounding blanks ignored.
std::optional<long long> ParseWholeNumber(std::string_view line) {
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    bool negative = false;
    if (!line.empty() && (line.front() == '-' || line.front() == '+')) {
        negative = line.front() == '-';
        line.remove_prefix(1);
    }
    const long long magnitude = ParseCount(line);
    if (magnitude < 0 || line.empty() || line.front() == ' ' || line.front() == '\t') {
        return std::nullopt;
    }
    return negative ? -magnitude : magnitude;
}

}  // namespace

std::string SettingsPath(const std::string& programDir) {
    return InProgramDir(programDir, kSettingsFileName);
}

std::string ExamplePath(const std::string& programDir) {
    return InProgramDir(programDir, kExampleFileName);
}

Settings DefaultSettings(const std::string& programDir) {
    Settings settings;
    settings.autoloadFile = ExamplePath(programDir);
    return settings;
}

std::optional<Settings> ParseSettings(std::string_view bytes) {
    const std::vector<std::string> lines = SplitLines(bytes);
    if (lines.size() < kSettingsLines) {
        return std::nullopt;
    }
    const std::optional<long long> showVenues = ParseWholeNumber(lines[1]);
    if (!showVenues) {
        return std::nullopt;
    }
    Settings settings;
    settings.autoloadFile = Cp1252ToUtf8(lines[0]);
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

std::string FormatSettings(const Settings& settings) {
    std::string out;
    // The file cannot say "unknown character": what the code page lacks is written as '?'.
    AppendTextLine(out, Utf8ToCp1252Lossy(settings.autoloadFile));
    AppendTextLine(out, FormatNumber(settings.showVenuesOnEdit ? 1 : 0));
    AppendTextLine(out, settings.units.weightMajorUnit);
    AppendTextLine(out, settings.units.weightMinorUnit);
    AppendTextLine(out, settings.reservedWeight);
    AppendTextLine(out, settings.units.depthMajorUnit);
    AppendTextLine(out, settings.units.depthMinorUnit);
    AppendTextLine(out, settings.reservedDepth);
    AppendTextLine(out, settings.displayFont);
    return out;
}

Settings ReadSettingsFile(const std::string& programDir) {
    return ReadSettingsFile(SettingsPath(programDir), ExamplePath(programDir));
}

Settings ReadSettingsFile(const std::string& path, const std::string& examplePath) {
    Settings settings;
    settings.autoloadFile = examplePath;
    if (FileExists(path)) {
        if (Result<std::string> bytes = ReadFileBytes(path)) {
            if (std::optional<Settings> parsed = ParseSettings(bytes.value())) {
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
