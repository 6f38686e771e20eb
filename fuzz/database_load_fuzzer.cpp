// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes, read as loading reads a database file: the table either takes the file whole
// or is left as it was, and a table that took it saves to bytes that load back the same.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "database_file.h"
#include "fuzz_check.h"

using namespace rodwick;
using rodwick::fuzz::require;

namespace {

// Tables live on the heap: 251 slots are large for a stack frame.
std::unique_ptr<RecordTable> heldBefore() {
    auto table = std::make_unique<RecordTable>();
    TripRecord record;
    for (int f = 0; f < kFieldCount; ++f) record.fields[f] = "held " + std::to_string(f);
    table->replaceAll({record, record, record});
    table->setCurrentRecord(2);
    return table;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    static const std::string kBeforeBytes = formatDatabase(*heldBefore());

    const std::unique_ptr<RecordTable> held = heldBefore();
    RecordTable& table = *held;
    const Result<std::vector<TripRecord>> records = parseDatabase(bytes);
    if (!records.ok() || !table.replaceAll(records.value())) {
        require(!records.ok() || records.value().size() > RecordTable::kMaxRecords,
                "a parsed file within the limit is taken");
        require(formatDatabase(table) == kBeforeBytes && table.currentRecord() == 2,
                "a refused file leaves the table as it was");
        return 0;
    }
    const int count = static_cast<int>(records.value().size());
    require(table.recordCount() == count, "the table holds every record of the file");
    require(table.currentRecord() == (count > 0 ? 1 : 0), "a load shows the first record");

    const std::string saved = formatDatabase(table);
    const Result<std::vector<TripRecord>> again = parseDatabase(saved);
    require(again.ok(), "a saved table loads again");
    require(again.value() == records.value(), "a saved table loads to the same records");
    const auto reloaded = std::make_unique<RecordTable>();
    require(reloaded->replaceAll(again.value()), "a saved table fits the table");
    require(formatDatabase(*reloaded) == saved, "a reloaded table saves to the same bytes");
    return 0;
}
