// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a spreadsheet export of random trips and, beside it, each field's bytes as hex (one
// trip a line, fields separated by blanks, "-" for an empty field), so that another reader can
// check every cell.
#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "csv_writer.h"

int main(int argc, char** argv) {
    using namespace rodwick;
    if (argc != 3) {
        std::fprintf(stderr, "usage: export_sample OUT.csv OUT.fields\n");
        return 2;
    }
    // The first trips hold the cases a spreadsheet treats specially, the others random bytes.
    const std::string special[] = {
        "+1+1", "-5", "@SUM(A1)", "'=x", " a, \"b\" ",
        "\tT",  "-",  "1,5",      "",    "=HYPERLINK(\"http://x\",\"y\")"};
    std::mt19937 random(7);
    std::uniform_int_distribution<int> length(0, 10);
    std::uniform_int_distribution<int> byte(1, 255);
    std::vector<TripRecord> trips(250);
    for (std::size_t r = 0; r < trips.size(); ++r) {
        for (int f = 0; f < kFieldCount; ++f) {
            std::string& text = trips[r].fields[f];
            if (r < std::size(special)) text = special[(r + f) % std::size(special)];
            for (int n = r < std::size(special) ? 0 : length(random); n > 0; --n) {
                char c;
                do c = static_cast<char>(byte(random));
                while (c == '\r' || c == '\n');
                text += c;
            }
        }
    }
    RecordTable table;
    table.replaceAll(trips);
    std::ofstream(argv[1], std::ios::binary) << csvFileBytes(table, UnitNames::imperial());

    std::ofstream fields(argv[2], std::ios::binary);
    for (const TripRecord& trip : trips) {
        for (int f = 0; f < kFieldCount; ++f) {
            if (f > 0) fields << ' ';
            if (trip.fields[f].empty()) fields << '-';
            for (const unsigned char c : trip.fields[f]) {
                char hex[3];
                std::snprintf(hex, sizeof hex, "%02x", c);
                fields << hex;
            }
        }
        fields << '\n';
    }
    return fields ? 0 : 1;
}
