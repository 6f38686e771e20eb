#include "export_files.h"

#include <array>
#include <vector>

#include "database_file.h"
#include "record_text.h"

namespace rodwick {

namespace {

constexpr const char* kLineEnd = "\r\n";

const TripRecord& CurrentOrEmpty(const RecordTable& table) {
    static const TripRecord empty;
    const int current = table.currentRecord();
    return current >= 1 && current <= table.recordCount() ? table.slot(current) : empty;
}

// The records an export covers, in table order.
std::vector<const TripRecord*> Chosen(const RecordTable& table, bool exportAll) {
    std::vector<const TripRecord*> records;
    if (!exportAll) {
        records.push_back(&CurrentOrEmpty(table));
        return records;
    }
    for (int i = 1; i <= table.recordCount(); ++i) records.push_back(&table.slot(i));
    return records;
}

constexpr std::array<const char*, kValueCount> kTextLabels{
    "Venue:",      "Type:",           "Day Ticket Price:",
    "Club:",       "Weight:",         "Water Conditions:",
    "Weather:",    "Temperature:",    "Method:",
    "Depth:",      "Best Bait, etc:", "Species Caught:",
    "Best Fish:",  "   Weight:",      "Restrictions:",
    "Remarks:",    "Date:",           "Start Time:",
    "    Finish:",
};

}  // namespace

std::string NativeFileBytes(const RecordTable& table) {
    std::string out = FormatNumber(1) + kLineEnd;
    for (const std::string& field : CurrentOrEmpty(table).fields) AppendTextLine(out, field);
    return out;
}

std::string TextFileBytes(const RecordTable& table, bool exportAll) {
    std::string out;
    for (const TripRecord* record : Chosen(table, exportAll)) {
        const std::array<std::string, kValueCount> values = RecordValues(*record);
        for (int i = 0; i < kValueCount; ++i) {
            AppendTextLine(out, kTextLabels[static_cast<std::size_t>(i)] + values[i]);
        }
        AppendTextLine(out, "  ");
    }
    return out;
}

std::string SisterFileBytes(const RecordTable& table, bool exportAll) {
    const std::vector<const TripRecord*> records = Chosen(table, exportAll);
    std::string out = "The Rodwick DB Pro by Tamblin";
    out += kLineEnd;
    // The same count stands before every record: it is the number exported, not the record's.
    const std::string countLine = FormatNumber(static_cast<long long>(records.size()));
    for (const TripRecord* record : records) {
        out += countLine + kLineEnd;
        for (const std::string& value : RecordValues(*record)) AppendTextLine(out, value);
    }
    return out;
}

}  // namespace rodwick
