// SPDX-License-Identifier: GPL-3.0-or-later
// A merge of any bytes into a table already holding 0 to 250 records (the first byte says
// how many): refused whole, leaving the table as it was, or appended exactly after it.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "database_file.h"
#include "fuzz_check.h"

using namespace rodwick;
using rodwick::fuzz::require;

namespace {

const std::vector<TripRecord>& allHeld() {
    static const std::vector<TripRecord> kRecords = [] {
        std::vector<TripRecord> all(RecordTable::kMaxRecords);
        for (int k = 0; k < RecordTable::kMaxRecords; ++k) {
            for (int f = 0; f < kFieldCount; ++f) {
                all[k].fields[f] = std::to_string(k + 1) + "." + std::to_string(f);
            }
        }
        return all;
    }();
    return kRecords;
}

// Tables live on the heap: 251 slots are large for a stack frame.
std::unique_ptr<RecordTable> tableHolding(int count) {
    auto table = std::make_unique<RecordTable>();
    table->replaceAll({allHeld().begin(), allHeld().begin() + count});
    table->setCurrentRecord(count / 2 + 1);
    return table;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const int held = data[0] % (RecordTable::kMaxRecords + 1);
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);

    const std::unique_ptr<RecordTable> holding = tableHolding(held);
    RecordTable& table = *holding;
    const std::string before = formatDatabase(table);
    const int current = table.currentRecord();

    const Result<std::vector<TripRecord>> records = parseDatabase(bytes);
    if (!records.ok() || !table.appendRecords(records.value())) {
        require(!records.ok() ||
                    static_cast<int>(records.value().size()) + held > RecordTable::kMaxRecords,
                "a merge that fits is taken");
        require(formatDatabase(table) == before && table.currentRecord() == current,
                "a refused merge leaves the table as it was");
        return 0;
    }
    const std::vector<TripRecord>& added = records.value();
    const int count = held + static_cast<int>(added.size());
    require(table.recordCount() == count, "a merge adds exactly the file's records");
    for (int k = 1; k <= held; ++k) {
        require(table.slot(k) == allHeld()[static_cast<std::size_t>(k - 1)],
                "a merge keeps the records held before");
    }
    for (int k = held + 1; k <= count; ++k) {
        require(table.slot(k) == added[static_cast<std::size_t>(k - held - 1)],
                "a merge appends the file's records in order");
    }
    const int expectedCurrent = held > 0 ? current : (count > 0 ? 1 : 0);
    require(table.currentRecord() == expectedCurrent,
            "a merge moves the current record only into an empty table");
    return 0;
}
