#include "csv_import.h"

#include <algorithm>
#include <array>
#include <utility>

#include "codec.h"
#include "csv_writer.h"

namespace rodwick {

namespace {

// Headings as compared: ASCII letters and digits only, in lower case.
std::string Normalised(std::string_view heading) {
    std::string key;
    for (const char c : heading) {
        if (c >= 'A' && c <= 'Z') {
            key += static_cast<char>(c - 'A' + 'a');
        } else if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) {
            key += c;
        }
    }
    return key;
}

// Normalised headings and the field each names. Our own headers in both unit systems, the
// field names, and the names other programs give the same things.
constexpr std::pair<const char*, Field> kHeadings[] = {
    {"venue", Field::venue},
    {"location", Field::venue},
    {"water", Field::venue},
    {"lake", Field::venue},
    {"river", Field::venue},
    {"fishery", Field::venue},
    {"place", Field::venue},
    {"site", Field::venue},
    {"typeofwater", Field::waterType},
    {"watertype", Field::waterType},
    {"dayticket", Field::ticketPrice},
    {"ticketprice", Field::ticketPrice},
    {"ticket", Field::ticketPrice},
    {"price", Field::ticketPrice},
    {"cost", Field::ticketPrice},
    {"club", Field::club},
    {"association", Field::club},
    {"society", Field::club},
    {"weight", Field::totalWeightMajor},
    {"weightlb", Field::totalWeightMajor},
    {"weightkg", Field::totalWeightMajor},
    {"totalweight", Field::totalWeightMajor},
    {"totalweightlb", Field::totalWeightMajor},
    {"totalweightkg", Field::totalWeightMajor},
    {"totalweightmajor", Field::totalWeightMajor},
    {"catchweight", Field::totalWeightMajor},
    {"bagweight", Field::totalWeightMajor},
    {"weightoz", Field::totalWeightMinor},
    {"weightg", Field::totalWeightMinor},
    {"totalweightoz", Field::totalWeightMinor},
    {"totalweightg", Field::totalWeightMinor},
    {"totalweightminor", Field::totalWeightMinor},
    {"waterconditions", Field::waterCondition},
    {"watercondition", Field::waterCondition},
    {"conditions", Field::waterCondition},
    {"weather", Field::weather},
    {"temperature", Field::temperature},
    {"temp", Field::temperature},
    {"method", Field::method},
    {"technique", Field::method},
    {"tactics", Field::method},
    {"depth", Field::depthMajor},
    {"depthft", Field::depthMajor},
    {"depthm", Field::depthMajor},
    {"depthmajor", Field::depthMajor},
    {"depthinch", Field::depthMinor},
    {"depthin", Field::depthMinor},
    {"depthcm", Field::depthMinor},
    {"depthminor", Field::depthMinor},
    {"bestbaitetc", Field::bait},
    {"bestbait", Field::bait},
    {"bait", Field::bait},
    {"lure", Field::bait},
    {"fly", Field::bait},
    {"species", Field::species},
    {"fish", Field::species},
    {"bestfish", Field::bestFish},
    {"biggestfish", Field::bestFish},
    {"bestfishweight", Field::bestFishWeightMajor},
    {"bestfishweightlb", Field::bestFishWeightMajor},
    {"bestfishweightkg", Field::bestFishWeightMajor},
    {"bestfishweightmajor", Field::bestFishWeightMajor},
    {"biggestfishweight", Field::bestFishWeightMajor},
    {"bestfishweightoz", Field::bestFishWeightMinor},
    {"bestfishweightg", Field::bestFishWeightMinor},
    {"bestfishweightminor", Field::bestFishWeightMinor},
    {"restrictions", Field::restrictions},
    {"rules", Field::restrictions},
    {"remarks", Field::remarks},
    {"notes", Field::remarks},
    {"note", Field::remarks},
    {"comments", Field::remarks},
    {"comment", Field::remarks},
    {"date", Field::date},
    {"tripdate", Field::date},
    {"starttime", Field::startTime},
    {"start", Field::startTime},
    {"from", Field::startTime},
    {"finish", Field::finishTime},
    {"finishtime", Field::finishTime},
    {"end", Field::finishTime},
    {"endtime", Field::finishTime},
    {"stop", Field::finishTime},
};

// Windows-1252 text with each line break (CR LF, CR or LF) made one blank.
std::string LineBreaksToBlanks(std::string text) {
    if (text.find_first_of("\r\n") == std::string::npos) return text;
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            out += ' ';
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace

CsvRows ReadImportRows(std::string_view fileBytes, char separator) {
    // A heading row and one trip more than an empty table takes: enough to tell "too many".
    return ReadCsvRows(WithoutBom(fileBytes), separator, RecordTable::kMaxRecords + 2);
}

std::size_t ColumnCount(const CsvRows& rows) {
    std::size_t width = 0;
    for (const auto& row : rows.rows) width = std::max(width, row.size());
    return width;
}

std::optional<Field> FieldForHeading(std::string_view heading) {
    const std::string key = Normalised(heading);
    for (const auto& [name, field] : kHeadings) {
        if (key == name) return field;
    }
    return std::nullopt;
}

std::vector<int> InitialMapping(const CsvRows& rows, bool firstRowIsHeader) {
    const std::size_t width = ColumnCount(rows);
    std::vector<int> mapping(width, kLeaveOut);
    for (std::size_t c = 0; c < width; ++c) {
        if (!firstRowIsHeader) {
            mapping[c] =
                c < static_cast<std::size_t>(kFieldCount) ? static_cast<int>(c) : kLeaveOut;
        } else if (c < rows.rows.front().size()) {
            if (const auto field = FieldForHeading(rows.rows.front()[c])) {
                mapping[c] = static_cast<int>(*field);
            }
        }
    }
    return mapping;
}

std::string CellAsUtf8(std::string_view cell, CsvEncoding encoding) {
    return encoding == CsvEncoding::Windows1252 ? Cp1252ToUtf8(cell) : std::string(cell);
}

std::string CellAsRecordText(std::string_view cell, CsvEncoding encoding, std::size_t& replaced) {
    std::string text;
    if (encoding == CsvEncoding::Windows1252) {
        text = cell;
    } else {
        text = Utf8ToCp1252Lossy(cell);
        // The codec maps '?' to itself, so every '?' more is a character replaced.
        replaced += static_cast<std::size_t>(std::count(text.begin(), text.end(), '?') -
                                             std::count(cell.begin(), cell.end(), '?'));
    }
    if (!text.empty() && text.front() == '\'' &&
        NeedsFormulaGuard(std::string_view(text).substr(1))) {
        text.erase(0, 1);
    }
    return LineBreaksToBlanks(std::move(text));
}

CsvImportPlan PlanImport(const CsvRows& rows, const CsvImportChoice& choice) {
    CsvImportPlan plan;
    plan.unclosedQuote = rows.unclosedQuote;
    const std::size_t first = choice.firstRowIsHeader ? 1 : 0;
    plan.tripCount = rows.totalRows > first ? rows.totalRows - first : 0;
    if (rows.rows.empty()) return plan;

    const std::size_t width = rows.rows.front().size();
    for (std::size_t r = first; r < rows.rows.size(); ++r) {
        const auto& cells = rows.rows[r];
        if (cells.size() != width) ++plan.rowsOfOtherWidth;
        TripRecord record;
        for (std::size_t c = 0; c < cells.size() && c < choice.mapping.size(); ++c) {
            const int field = choice.mapping[c];
            if (field < 0 || field >= kFieldCount) continue;
            std::string text = CellAsRecordText(cells[c], choice.encoding, plan.replacedCharacters);
            std::string& into = record.fields[field];
            // Two columns for one field are joined; an empty one adds nothing.
            if (text.empty()) continue;
            into = into.empty() ? std::move(text) : into + "; " + text;
        }
        plan.records.push_back(std::move(record));
    }
    return plan;
}

}  // namespace rodwick
