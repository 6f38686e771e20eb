// SPDX-License-Identifier: GPL-3.0-or-later
#include "record_table.h"

#include <algorithm>
#include <cassert>

namespace rodwick {

namespace {

// Out-of-range slot numbers are a caller's bug; release builds fall back to the nearest slot
// rather than read outside the table.
int clampSlot(int i) {
    assert(i >= 0 && i <= RecordTable::kMaxRecords);
    return std::clamp(i, 0, RecordTable::kMaxRecords);
}

}  // namespace

RecordTable::RecordTable() = default;

TripRecord& RecordTable::slot(int i) {
    return slots_[clampSlot(i)];
}

const TripRecord& RecordTable::slot(int i) const {
    return slots_[clampSlot(i)];
}

void RecordTable::setCurrentRecord(int n) {
    currentRecord_ = std::clamp(n, 0, recordCount_);
}

void RecordTable::clearTable() {
    // Only the slots of the old table are emptied; text above them stays, unseen.
    for (int i = 1; i <= recordCount_; ++i) {
        slots_[i] = TripRecord{};
    }
    recordCount_ = 0;
    currentRecord_ = 0;
}

bool RecordTable::replaceAll(const std::vector<TripRecord>& records) {
    if (records.size() > static_cast<std::size_t>(kMaxRecords)) {
        return false;
    }
    const int n = static_cast<int>(records.size());
    for (int k = 0; k < n; ++k) {
        slots_[k + 1] = records[k];
    }
    recordCount_ = n;
    currentRecord_ = n > 0 ? 1 : 0;
    return true;
}

bool RecordTable::appendRecords(const std::vector<TripRecord>& block) {
    const std::size_t room = static_cast<std::size_t>(kMaxRecords - recordCount_);
    if (block.size() > room) {
        return false;  // all or nothing: a block that does not fit adds no record
    }
    const bool wasEmpty = recordCount_ == 0;
    for (const TripRecord& record : block) {
        slots_[++recordCount_] = record;
    }
    if (wasEmpty && !block.empty()) {
        currentRecord_ = 1;
    }
    return true;
}

bool RecordTable::duplicateCurrent() {
    if (recordCount_ >= kMaxRecords || currentRecord_ < 1 || currentRecord_ > recordCount_) {
        return false;
    }
    slots_[recordCount_ + 1] = slots_[currentRecord_];
    ++recordCount_;
    return true;
}

void RecordTable::removeRecord() {
    if (currentRecord_ < 1 || currentRecord_ > recordCount_) {
        return;
    }
    --recordCount_;
    for (int i = currentRecord_; i <= recordCount_; ++i) {
        slots_[i] = slots_[i + 1];
    }
}

bool RecordTable::exchangeRecords(int first, int count, std::vector<TripRecord>& records) {
    const int given = static_cast<int>(records.size());
    if (first < 1 || count < 0 || first + count - 1 > recordCount_ ||
        given > kMaxRecords - (recordCount_ - count)) {
        return false;
    }
    const auto at = slots_.begin() + first;
    std::vector<TripRecord> taken(std::make_move_iterator(at), std::make_move_iterator(at + count));
    // The records after the range move to just after the ones put in.
    const auto tail = at + count;
    const auto end = slots_.begin() + recordCount_ + 1;
    if (given < count) {
        std::move(tail, end, at + given);
    } else if (given > count) {
        std::move_backward(tail, end, end + (given - count));
    }
    std::move(records.begin(), records.end(), at);
    recordCount_ += given - count;
    currentRecord_ = std::clamp(currentRecord_, 0, recordCount_);
    records = std::move(taken);
    return true;
}

}  // namespace rodwick
