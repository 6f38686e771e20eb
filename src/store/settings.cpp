#include "settings.h"

#include <vector>

#include "codec.h"
#include "database_file.h"

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

std::size_t Utf8SequenceLength(unsigned char lead) {
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 1;
}

// The settings file has no way to say "unknown character": each character the code page
// cannot carry, and each byte that is not UTF-8, is written as '?'.
std::string Utf8ToCp1252Lossy(std::string_view utf8) {
    if (std::optional<std::string> exact = Utf8ToCp1252(utf8)) {
        return *exact;
    }
    std::string out;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        std::size_t length = Utf8SequenceLength(static_cast<unsigned char>(utf8[pos]));
        if (length > utf8.size() - pos) length = 1;
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(utf8[pos + k]) & 0xC0) != 0x80) {
                length = 1;
                break;
            }
        }
        const std::optional<std::string> one = Utf8ToCp1252(utf8.substr(pos, length));
        out += one ? *one : std::string("?");
        pos += length;
    }
    return out;
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
    settings.showVenuesOnEdit = *showVenues;
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
    AppendTextLine(out, Utf8ToCp1252Lossy(settings.autoloadFile));
    AppendTextLine(out, FormatNumber(settings.showVenuesOnEdit));
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
    Settings settings = DefaultSettings(programDir);
    const std::string path = SettingsPath(programDir);
    if (FileExists(path)) {
        if (Result<std::string> bytes = ReadFileBytes(path)) {
            if (std::optional<Settings> parsed = ParseSettings(bytes.value())) {
                settings = std::move(*parsed);
            }
        }
    }
    if (settings.autoloadFile.empty()) {
        settings.autoloadFile = ExamplePath(programDir);
    }
    return settings;
}

}  // namespace rodwick
