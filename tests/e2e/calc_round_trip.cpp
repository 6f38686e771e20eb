// SPDX-License-Identifier: GPL-3.0-or-later
// The two ends of a log book's trip through a spreadsheet program: the export as the File menu
// writes it, and the import of what the spreadsheet saved, compared with the log book field
// for field.
//   calc_round_trip export BOOK.RWK OUT.csv
//   calc_round_trip compare BOOK.RWK BACK.csv
#include <cstdio>
#include <fstream>
#include <string>

#include "csv_import.h"
#include "csv_writer.h"
#include "database_file.h"
#include "fields.h"
#include "readings.h"

namespace {

using namespace rodwick;

// The units the example log book is kept in.
const UnitNames kUnits = UnitNames::metric();

int fail(const std::string& what) {
    std::fprintf(stderr, "calc_round_trip: %s\n", what.c_str());
    return 1;
}

int compare(const std::vector<TripRecord>& trips, const std::string& bytes) {
    CsvImportChoice choice;
    choice.units = kUnits;
    choice.separator = detectSeparator(withoutBom(bytes));
    choice.encoding = detectEncoding(bytes);
    const CsvRows rows = readImportRows(bytes, choice.separator);
    choice.mapping = initialMapping(rows, true);
    const CsvImportPlan plan = planImport(rows, choice);
    if (plan.records.size() != trips.size()) {
        return fail("read back " + std::to_string(plan.records.size()) + " trips of " +
                    std::to_string(trips.size()));
    }
    int differences = 0;
    for (std::size_t r = 0; r < trips.size(); ++r) {
        for (const FieldInfo& info : kFields) {
            const std::string& was = trips[r][info.field];
            const std::string& is = plan.records[r][info.field];
            if (was == is) continue;
            // A spreadsheet keeps a price as a number and writes it in its shortest form
            // ("4.00" comes back as "4"): the same amount is all that can be asked.
            if (info.field == Field::TicketPrice && readPrice(was) &&
                readPrice(was) == readPrice(is)) {
                continue;
            }
            ++differences;
            fail("trip " + std::to_string(r + 1) + ", " + std::string(info.name) + ": \"" + was +
                 "\" came back as \"" + is + "\"");
        }
    }
    std::size_t times = 0;
    for (const CsvCellNote& note : plan.notes) times += note.kind == CsvCellNote::Kind::Time;
    std::printf("calc_round_trip: %zu trips, %zu times read from the spreadsheet's form\n",
                trips.size(), times);
    return differences == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) return fail("usage: calc_round_trip export|compare BOOK.RWK FILE.csv");
    const std::string mode = argv[1];
    const auto trips = readDatabaseFile(argv[2]);
    if (!trips.ok()) return fail(argv[2] + std::string(": ") + trips.error());
    if (mode == "export") {
        std::ofstream(argv[3], std::ios::binary) << csvFileBytes(trips.value(), kUnits);
        return 0;
    }
    if (mode != "compare") return fail("unknown mode " + mode);
    const Result<std::string> bytes = readFileBytes(argv[3]);
    if (!bytes.ok()) return fail(argv[3] + std::string(": ") + bytes.error());
    return compare(trips.value(), bytes.value());
}
