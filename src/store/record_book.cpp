// SPDX-License-Identifier: GPL-3.0-or-later
#include "record_book.h"

#include <algorithm>

#include "database_file.h"

namespace rodwick {

namespace {

const char* const kTooManyRecords = "only 250 records are allowed in one file";

std::string stepCaption(RecordBook::StepName name, int added) {
    using enum RecordBook::StepName;
    switch (name) {
        case Add:
            return "Add";
        case Edit:
            return "Edit";
        case QuickEdit:
            return "Quick Edit";
        case Species:
            return "Species";
        case Delete:
            return "Delete";
        case Duplicate:
            return "Duplicate";
        case Merge:
            return "Merge";
        case Import:
            return "Import of " + std::to_string(added) + (added == 1 ? " Trip" : " Trips");
        case New:
            return "New";
        case Recovery:
            return "Recovery";
        case Reload:
            return "Reload";
        case MergeFromDisk:
            return "Merge from Disk";
        case ConflictCopy:
            return "Merge of Conflicted Copy";
        case Replace:
            break;
    }
    return "Replace";
}

// What records keep in memory: the slots, and the text too long to live inside a string.
std::size_t recordBytes(const TripRecord* records, std::size_t count) {
    std::size_t bytes = count * sizeof(TripRecord);
    for (std::size_t k = 0; k < count; ++k) {
        for (const std::string& text : records[k].fields) {
            if (text.capacity() > std::string().capacity()) bytes += text.capacity() + 1;
        }
    }
    return bytes;
}

}  // namespace

RecordBook::Subscription& RecordBook::Subscription::operator=(Subscription&& other) noexcept {
    if (this != &other) {
        reset();
        entry_ = std::move(other.entry_);
    }
    return *this;
}

RecordBook::Subscription::~Subscription() {
    reset();
}

void RecordBook::Subscription::reset() {
    if (const auto entry = entry_.lock()) entry->active = false;
    entry_.reset();
}

RecordBook::Subscription RecordBook::subscribe(Listener listener) {
    auto entry = std::make_shared<Subscription::Entry>();
    entry->listener = std::move(listener);
    subscribers_.push_back(entry);
    return Subscription(entry);
}

void RecordBook::notify(Changes changes) {
    const bool empty = table_.recordCount() == 0;
    changes.emptiness = empty != empty_;
    empty_ = empty;
    if (!changes.any()) return;
    std::erase_if(subscribers_, [](const auto& entry) { return !entry->active; });
    // A listener may subscribe or unsubscribe while it is told: tell the ones of this moment
    // that are still subscribed when their turn comes.
    const auto listeners = subscribers_;
    for (const auto& entry : listeners) {
        if (entry->active) entry->listener(changes);
    }
}

bool RecordBook::show(int n) {
    if (n < 1 || n > table_.recordCount()) return false;
    table_.setCurrentRecord(n);
    notify({.currentRecord = true});
    return true;
}

Status RecordBook::appendRecords(std::vector<TripRecord> records, StepName name) {
    Step step = beginStep(name, table_.recordCount() + 1, 0);
    if (!table_.appendRecords(records)) return Status::fail(kTooManyRecords);
    endStep(std::move(step));
    notify({.records = true, .currentRecord = empty_ && !records.empty()});
    return Status::success();
}

Status RecordBook::replaceRecords(std::vector<TripRecord> records, StepName name) {
    if (records.size() > static_cast<std::size_t>(RecordTable::kMaxRecords))
        return Status::fail(kTooManyRecords);
    Step step = beginStep(name, 1, table_.recordCount());
    if (!table_.replaceAll(records)) return Status::fail(kTooManyRecords);
    endStep(std::move(step));
    notify({.records = true, .currentRecord = true});
    return Status::success();
}

Status RecordBook::replaceRecord(int n, TripRecord record, StepName name) {
    if (n < 1 || n > table_.recordCount())
        return Status::fail("there is no record " + std::to_string(n));
    Step step = beginStep(name, n, 1);
    table_.slot(n) = std::move(record);
    endStep(std::move(step));
    notify({.records = true});
    return Status::success();
}

Status RecordBook::setField(Field field, std::string text, StepName name) {
    const int n = table_.currentRecord();
    if (n < 1 || n > table_.recordCount()) return Status::fail("there is no current record");
    Step step = beginStep(name, n, 1);
    table_.slot(n)[field] = std::move(text);
    endStep(std::move(step));
    notify({.records = true});
    return Status::success();
}

Status RecordBook::deleteCurrent() {
    const int n = table_.currentRecord();
    if (n < 1 || n > table_.recordCount()) return Status::fail("there is no current record");
    Step step = beginStep(StepName::Delete, n, 1);
    table_.removeRecord();
    table_.setCurrentRecord(table_.recordCount() == 0 ? 0 : 1);
    endStep(std::move(step));
    notify({.records = true, .currentRecord = true});
    return Status::success();
}

Status RecordBook::duplicateCurrent() {
    if (table_.recordCount() >= RecordTable::kMaxRecords) return Status::fail(kTooManyRecords);
    Step step = beginStep(StepName::Duplicate, table_.recordCount() + 1, 0);
    if (!table_.duplicateCurrent()) return Status::fail("there is no current record");
    endStep(std::move(step));
    notify({.records = true});
    return Status::success();
}

void RecordBook::newDatabase() {
    Step step = beginStep(StepName::New, 1, table_.recordCount());
    table_.clearTable();
    titleName_ = RecordTable::kUntitled;
    detached_ = true;
    endStep(std::move(step));
    notify({.records = true, .currentRecord = true, .fileName = true});
}

Status RecordBook::load(const std::string& path) {
    if (!fileExists(path)) {
        // Nothing to read: the name goes back to the one the title shows.
        const bool renamed = fileName_ != titleName_;
        fileName_ = titleName_;
        notify({.fileName = renamed});
        return Status::fail("the file does not exist");
    }
    // Read into a scratch list first, so that a file that fails half-way leaves the records
    // held before it as they were.
    const std::int64_t readNs = wallClockNs();
    Result<FileContent> content = readFileContent(path);
    if (!content.ok()) return Status::fail(content.error());
    Result<std::vector<TripRecord>> records = parseDatabaseFile(path, content.value().bytes);
    if (!records.ok()) return Status::fail(records.error());
    if (!table_.replaceAll(records.value())) return Status::fail(kTooManyRecords);
    fileName_ = titleName_ = path;
    FileContent read = std::move(content).value();
    knowFile(path, std::move(records).value(), std::move(read.bytes), read.stamp, readNs);
    clearHistory();
    notify({.records = true, .currentRecord = true, .fileName = true});
    return Status::success();
}

Status RecordBook::save() {
    return writeFile(fileName_);
}

Status RecordBook::saveAs(const std::string& path) {
    Status saved = writeFile(path);
    if (!saved.ok()) return saved;
    fileName_ = path;
    notify({.fileName = true});
    return saved;
}

Status RecordBook::merge(const std::string& path) {
    if (!fileExists(path)) return Status::fail("the file does not exist");
    Result<std::vector<TripRecord>> records = readDatabaseFile(path);
    if (!records.ok()) return Status::fail(records.error());
    return appendRecords(std::move(records).value(), StepName::Merge);
}

void RecordBook::adopt(RecordTable table, std::string fileName) {
    table_ = std::move(table);
    fileName_ = titleName_ = std::move(fileName);
    // The table stands for its file as if loaded from it; the file itself is first read by the
    // next disk check, which finds it changed only where its trips are others. An untitled
    // table has no file: fileName() is no file's that the book knows.
    if (!isUntitled()) knowFile(fileName_, records(), std::nullopt, std::nullopt, 0);
    detached_ = false;
    clearHistory();
    notify({.records = true, .currentRecord = true, .fileName = true});
}

void RecordBook::setSettings(Settings settings) {
    settings_ = std::move(settings);
    notify({.settings = true});
}

RecordBook::Step RecordBook::beginStep(StepName name, int first, int count) const {
    Step step;
    step.kind = name;
    step.first = first;
    if (count > 0) step.other.assign(&table_.slot(first), &table_.slot(first) + count);
    step.currentBefore = table_.currentRecord();
    step.titleBefore = titleName_;
    step.fileBefore = fileName_;
    step.detachedBefore = detached_;
    step.countBefore = table_.recordCount();
    return step;
}

void RecordBook::endStep(Step step) {
    const int taken = static_cast<int>(step.other.size());
    step.held = taken + table_.recordCount() - step.countBefore;
    lastChange_ = ChangedRecords{.first = step.first, .removed = taken, .added = step.held};
    step.currentAfter = table_.currentRecord();
    step.titleAfter = titleName_;
    step.fileAfter = fileName_;
    step.detachedAfter = detached_;
    const TripRecord* held = step.held > 0 ? &table_.slot(step.first) : nullptr;
    const bool unchanged = step.held == taken && step.currentAfter == step.currentBefore &&
                           step.titleAfter == step.titleBefore &&
                           std::equal(step.other.begin(), step.other.end(), held);
    if (unchanged) return;
    step.name = stepCaption(step.kind, step.held);
    step.bytes = sizeof(Step) + step.name.size() + step.titleBefore.size() +
                 step.titleAfter.size() + step.fileBefore.size() + step.fileAfter.size() +
                 std::max(recordBytes(step.other.data(), step.other.size()),
                          recordBytes(held, static_cast<std::size_t>(step.held)));
    pushStep(std::move(step));
}

void RecordBook::pushStep(Step step) {
    while (history_.size() > done_) {
        historyBytes_ -= history_.back().bytes;
        history_.pop_back();
    }
    historyBytes_ += step.bytes;
    history_.push_back(std::move(step));
    ++done_;
    while (history_.size() > static_cast<std::size_t>(kHistorySteps) ||
           (historyBytes_ > kHistoryBytes && history_.size() > 1)) {
        historyBytes_ -= history_.front().bytes;
        history_.pop_front();
        --done_;
    }
}

void RecordBook::crossStep(Step& step, bool undoing) {
    const int taken = static_cast<int>(step.other.size());
    lastChange_ = ChangedRecords{.first = step.first, .removed = step.held, .added = taken};
    // The history only holds steps that lead to the table as it is, so this cannot refuse.
    (void)table_.exchangeRecords(step.first, step.held, step.other);
    step.held = taken;
    table_.setCurrentRecord(undoing ? step.currentBefore : step.currentAfter);
    const std::string& title = undoing ? step.titleBefore : step.titleAfter;
    const bool retitled = titleName_ != title;
    // The title comes back with the file a Save then writes: under a title given back alone, a
    // Save could go to a file the title does not show (one named "Untitled", after a failed load).
    if (retitled) fileName_ = undoing ? step.fileBefore : step.fileAfter;
    titleName_ = title;
    // Only New changes it: undone, the table is its file's again; redone, it belongs to none.
    if (step.detachedBefore != step.detachedAfter)
        detached_ = undoing ? step.detachedBefore : step.detachedAfter;
    // Redone, New tells what it told the first time: a table emptied, not one edited, so that
    // nothing kept of the table it replaced is overwritten.
    const bool emptied = !undoing && step.kind == StepName::New;
    notify({.records = true, .currentRecord = true, .fileName = retitled || emptied});
}

void RecordBook::clearHistory() {
    lastChange_.reset();
    history_.clear();
    done_ = 0;
    historyBytes_ = 0;
}

std::string RecordBook::undoName() const {
    return canUndo() ? history_[done_ - 1].name : std::string();
}

std::string RecordBook::redoName() const {
    return canRedo() ? history_[done_].name : std::string();
}

std::vector<TripRecord> RecordBook::records() const {
    return {&table_.slot(1), &table_.slot(1) + table_.recordCount()};
}

void RecordBook::recordOutsideStep(std::string name, OutsideChange change) {
    Step step;
    step.name = std::move(name);
    step.outside = std::move(change);
    step.bytes = sizeof(Step) + step.name.size();
    pushStep(std::move(step));
    notify({.history = true});
}

Status RecordBook::undo() {
    if (!canUndo()) return Status::fail("there is nothing to undo");
    Step& step = history_[done_ - 1];
    if (step.outside) {
        // What is outside the records may have gone (a file removed meanwhile): the step stays.
        if (Status undone = step.outside(true); !undone.ok()) return undone;
        --done_;
        notify({.history = true});
        return Status::success();
    }
    --done_;
    crossStep(step, true);
    return Status::success();
}

Status RecordBook::redo() {
    if (!canRedo()) return Status::fail("there is nothing to redo");
    Step& step = history_[done_];
    if (step.outside) {
        if (Status redone = step.outside(false); !redone.ok()) return redone;
        ++done_;
        notify({.history = true});
        return Status::success();
    }
    ++done_;
    crossStep(step, false);
    return Status::success();
}

}  // namespace rodwick
