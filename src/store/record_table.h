// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace rodwick {

// The 22 fields of a trip, in the order of the database file, the record view, search,
// printing and export. The order must never change.
enum class Field : int {
    Venue,
    WaterType,
    TicketPrice,
    Club,
    TotalWeightMajor,
    TotalWeightMinor,
    WaterCondition,
    Weather,
    Temperature,
    Method,
    DepthMajor,
    DepthMinor,
    Bait,
    Species,
    BestFish,
    BestFishWeightMajor,
    BestFishWeightMinor,
    Restrictions,
    Remarks,
    Date,
    StartTime,
    FinishTime,
};
inline constexpr int kFieldCount = 22;

// One fishing trip. Every field is text held as the file's Windows-1252 bytes.
struct TripRecord {
    std::array<std::string, kFieldCount> fields;

    std::string& operator[](Field f) { return fields[static_cast<int>(f)]; }
    const std::string& operator[](Field f) const { return fields[static_cast<int>(f)]; }
    bool operator==(const TripRecord&) const = default;
};

// Texts for some of a trip's fields, as the file holds them: what a command fills in before the
// user sees the record editor.
using FieldTexts = std::vector<std::pair<Field, std::string>>;

// The in-memory database: slots 0 to 250, records in slots 1..recordCount without gaps.
// Slot 0 belongs to no record; slots above recordCount may keep stale, invisible text.
class RecordTable {
  public:
    // Defined out of line: clang 14 crashes evaluating a local table as a constant.
    RecordTable();

    static constexpr int kMaxRecords = 250;
    static constexpr const char* kUntitled = "Untitled";

    // i in 0..kMaxRecords.
    TripRecord& slot(int i);
    const TripRecord& slot(int i) const;

    int recordCount() const { return recordCount_; }
    int currentRecord() const { return currentRecord_; }
    // n in 0..recordCount (0 only while empty is meaningful).
    void setCurrentRecord(int n);

    // Empties slots 1..recordCount, then recordCount = currentRecord = 0.
    void clearTable();
    // Slots 1..n take the records, recordCount = n, currentRecord = 1 (0 when n is 0).
    // Refuses (returns false, changes nothing) for more than 250 records.
    bool replaceAll(const std::vector<TripRecord>& records);
    // Appends a block after the last record; currentRecord becomes 1 if the table was empty.
    // Refuses (returns false, changes nothing) when the result would pass 250 records.
    bool appendRecords(const std::vector<TripRecord>& block);
    // Appends a copy of the current record. Refuses at 250 records or with no current record.
    bool duplicateCurrent();
    // Removes the current record; later records move down one place. currentRecord is left
    // as it was: the caller decides where the view goes next.
    void removeRecord();
    // Exchanges the count records from record first on with the given ones, which then hold
    // the records taken out; later records move to follow them. Undo and redo go through
    // this, so a step keeps only the records it changed. The caller sets the current record.
    // Refuses (returns false, changes nothing) for a range outside the records or a result
    // past 250 records.
    bool exchangeRecords(int first, int count, std::vector<TripRecord>& records);

  private:
    std::array<TripRecord, kMaxRecords + 1> slots_{};
    int recordCount_ = 0;
    int currentRecord_ = 0;
};

}  // namespace rodwick
