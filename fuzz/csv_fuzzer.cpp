// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes, read as a spreadsheet file is read: no crash and no hang under any separator, and
// the same bytes taken as cells: what our writer makes of them reads back as the same cells,
// and a file of trips it writes is taken for comma-separated UTF-8 with a byte-order mark.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "codec.h"
#include "csv_import.h"
#include "csv_reader.h"
#include "csv_writer.h"
#include "fuzz_check.h"

using namespace rodwick;
using rodwick::fuzz::require;

namespace {

constexpr std::array<char, 3> kSeparators{',', ';', '\t'};

void readAnyBytes(std::string_view bytes) {
    for (const char separator : kSeparators) {
        const CsvRows all = readCsvRows(bytes, separator);
        require(all.rows.size() == all.totalRows, "every row is kept without a limit");
        for (const auto& row : all.rows) require(!row.empty(), "a kept row has a cell");
        const CsvRows few = readCsvRows(bytes, separator, 3);
        require(few.totalRows == all.totalRows, "rows past the limit are still counted");
        require(few.rows.size() == std::min<std::size_t>(3, all.totalRows) &&
                    std::equal(few.rows.begin(), few.rows.end(), all.rows.begin()),
                "the rows kept under a limit are the first rows");
    }
    const char detected = detectSeparator(bytes);
    require(detected == ',' || detected == ';' || detected == '\t', "a separator is chosen");
    const CsvEncoding encoding = detectEncoding(bytes);
    require((encoding == CsvEncoding::Utf8WithBom) == bytes.starts_with("\xEF\xBB\xBF"),
            "the byte-order mark alone names UTF-8 with a mark");
    require(
        withoutBom(bytes).size() + (encoding == CsvEncoding::Utf8WithBom ? 3 : 0) == bytes.size(),
        "only the byte-order mark is taken off");
    static_cast<void>(looksBinary(bytes));
}

// The cells held in the input, split at NUL bytes.
std::vector<std::string_view> cellsOf(std::string_view bytes) {
    std::vector<std::string_view> cells;
    while (true) {
        const std::size_t end = bytes.find('\0');
        cells.push_back(bytes.substr(0, end));
        if (end == std::string_view::npos) return cells;
        bytes.remove_prefix(end + 1);
    }
}

// A cell as read, the apostrophe our writer put before a formula-like text taken off.
bool readsAs(std::string_view read, std::string_view written) {
    return read == written || (needsFormulaGuard(written) && read.size() == written.size() + 1 &&
                               read.front() == '\'' && read.substr(1) == written);
}

// Rows of the given width written cell by cell with any separator read back cell for cell.
void cellsRoundTrip(const std::vector<std::string_view>& cells, std::size_t width, char separator) {
    std::string file;
    std::vector<std::vector<std::string_view>> expected;
    for (std::size_t start = 0; start < cells.size(); start += width) {
        std::vector<std::string_view> row(
            cells.begin() + static_cast<std::ptrdiff_t>(start),
            cells.begin() + static_cast<std::ptrdiff_t>(std::min(start + width, cells.size())));
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c > 0) file += separator;
            file += csvCell(row[c], separator);
        }
        file += "\r\n";
        // A row of one empty cell is an empty line, which readers skip.
        if (row.size() > 1 || !row.front().empty()) expected.push_back(std::move(row));
    }
    const CsvRows read = readCsvRows(file, separator);
    require(!read.unclosedQuote, "a written file closes every quote");
    require(read.rows.size() == expected.size(), "a written file reads as its rows");
    for (std::size_t r = 0; r < expected.size(); ++r) {
        require(read.rows[r].size() == expected[r].size(), "a written row reads as its cells");
        for (std::size_t c = 0; c < expected[r].size(); ++c) {
            require(readsAs(read.rows[r][c], expected[r][c]), "a written cell reads back");
        }
    }
}

// Trips whose fields are the cells, exported and read back as an import reads them.
void exportRoundTrip(const std::vector<std::string_view>& cells, const UnitNames& units) {
    std::vector<TripRecord> trips((cells.size() + kFieldCount - 1) / kFieldCount);
    for (std::size_t k = 0; k < cells.size(); ++k) {
        trips[k / kFieldCount].fields[k % kFieldCount] = cells[k];
    }
    const std::string file = csvFileBytes(trips, units);
    require(detectEncoding(file) == CsvEncoding::Utf8WithBom, "an export is UTF-8 with a mark");
    require(detectSeparator(withoutBom(file)) == ',', "an export is taken for comma-separated");
    const CsvRows read = readImportRows(file, ',');
    require(!read.unclosedQuote && read.totalRows == trips.size() + 1,
            "an export reads as its heading row and one row a trip");
    const auto headers = csvHeaders(units);
    require(std::equal(headers.begin(), headers.end(), read.rows.front().begin(),
                       read.rows.front().end()),
            "the heading row reads back");
    for (std::size_t t = 0; t < trips.size(); ++t) {
        const auto& row = read.rows[t + 1];
        require(row.size() == static_cast<std::size_t>(kFieldCount), "a trip reads as 22 cells");
        for (int f = 0; f < kFieldCount; ++f) {
            const std::string& field = trips[t].fields[f];
            require(readsAs(row[f], cp1252ToUtf8(field)), "an exported field reads back");
            std::size_t replaced = 0;
            std::string stored = cellAsRecordText(row[f], CsvEncoding::Utf8WithBom, replaced);
            std::string expected;
            for (std::size_t i = 0; i < field.size(); ++i) {
                const bool crlf = field[i] == '\r' && i + 1 < field.size() && field[i + 1] == '\n';
                expected += field[i] == '\r' || field[i] == '\n' ? ' ' : field[i];
                if (crlf) ++i;
            }
            require(replaced == 0 && stored == expected,
                    "an exported field imports as it was, line breaks as blanks");
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    readAnyBytes(bytes);
    if (size < 2) return 0;
    const std::vector<std::string_view> cells = cellsOf(bytes.substr(2));
    const auto shape = static_cast<unsigned char>(bytes[0]);
    cellsRoundTrip(cells, 1 + shape % 8, kSeparators[(shape / 8) % 3]);
    exportRoundTrip(cells, bytes[1] & 1 ? UnitNames::imperial() : UnitNames::metric());
    return 0;
}
