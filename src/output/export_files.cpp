// SPDX-License-Identifier: GPL-3.0-or-later
#include "export_files.h"

#include <array>
#include <vector>

#include "database_file.h"
#include "record_text.h"

namespace rodwick {

namespace {

constexpr const char* kLineEnd = "\r\n";

const TripRecord& currentOrEmpty(const RecordTable& table) {
    static const TripRecord kEmpty;
    const int current = table.currentRecord();
    return current >= 1 && current <= table.recordCount() ? table.slot(current) : kEmpty;
}

// The records an export covers, in table order.
std::vector<const TripRecord*> chosen(const RecordTable& table, bool exportAll) {
    std::vector<const TripRecord*> records;
    if (!exportAll) {
        records.push_back(&currentOrEmpty(table));
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

std::string nativeFileBytes(const RecordTable& table) {
    std::string out = formatNumber(1) + kLineEnd;
    for (const std::string& field : currentOrEmpty(table).fields) appendTextLine(out, field);
    return out;
}

std::string textFileBytes(const RecordTable& table, bool exportAll) {
    std::string out;
    for (const TripRecord* record : chosen(table, exportAll)) {
        const std::array<std::string, kValueCount> values = recordValues(*record);
        for (int i = 0; i < kValueCount; ++i) {
            appendTextLine(out, kTextLabels[static_cast<std::size_t>(i)] + values[i]);
        }
        appendTextLine(out, "  ");
    }
    return out;
}

std::string sisterFileBytes(const RecordTable& table, bool exportAll) {
    const std::vector<const TripRecord*> records = chosen(table, exportAll);
    std::string out = "The Rodwick DB Pro by Tamblin";
    out += kLineEnd;
    // The same count stands before every record: it is the number exported, not the record's.
    const std::string countLine = formatNumber(static_cast<long long>(records.size()));
    for (const TripRecord* record : records) {
        out += countLine + kLineEnd;
        for (const std::string& value : recordValues(*record)) appendTextLine(out, value);
    }
    return out;
}

}  // namespace rodwick
