#include "record_book.h"

#include <algorithm>

#include "database_file.h"

namespace rodwick {

namespace {

const char* const kTooManyRecords = "only 250 records are allowed in one file";

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

Status RecordBook::appendRecords(std::vector<TripRecord> records) {
    if (!table_.appendRecords(records)) return Status::fail(kTooManyRecords);
    notify({.records = true, .currentRecord = empty_ && !records.empty()});
    return Status::success();
}

Status RecordBook::replaceRecords(std::vector<TripRecord> records) {
    if (!table_.replaceAll(records)) return Status::fail(kTooManyRecords);
    notify({.records = true, .currentRecord = true});
    return Status::success();
}

Status RecordBook::replaceRecord(int n, TripRecord record) {
    if (n < 1 || n > table_.recordCount())
        return Status::fail("there is no record " + std::to_string(n));
    table_.slot(n) = std::move(record);
    notify({.records = true});
    return Status::success();
}

Status RecordBook::setField(Field field, std::string text) {
    const int n = table_.currentRecord();
    if (n < 1 || n > table_.recordCount()) return Status::fail("there is no current record");
    table_.slot(n)[field] = std::move(text);
    notify({.records = true});
    return Status::success();
}

Status RecordBook::deleteCurrent() {
    const int n = table_.currentRecord();
    if (n < 1 || n > table_.recordCount()) return Status::fail("there is no current record");
    table_.removeRecord();
    table_.setCurrentRecord(table_.recordCount() == 0 ? 0 : 1);
    notify({.records = true, .currentRecord = true});
    return Status::success();
}

Status RecordBook::duplicateCurrent() {
    if (table_.recordCount() >= RecordTable::kMaxRecords) return Status::fail(kTooManyRecords);
    if (!table_.duplicateCurrent()) return Status::fail("there is no current record");
    notify({.records = true});
    return Status::success();
}

void RecordBook::newDatabase() {
    table_.clearTable();
    titleName_ = RecordTable::kUntitled;
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
    Result<std::vector<TripRecord>> records = readDatabaseFile(path);
    if (!records.ok()) return Status::fail(records.error());
    if (!table_.replaceAll(records.value())) return Status::fail(kTooManyRecords);
    fileName_ = titleName_ = path;
    notify({.records = true, .currentRecord = true, .fileName = true});
    return Status::success();
}

Status RecordBook::save() {
    return saveDatabaseFile(fileName_, table_, ops_);
}

Status RecordBook::saveAs(const std::string& path) {
    Status saved = saveDatabaseFile(path, table_, ops_);
    if (!saved.ok()) return saved;
    fileName_ = path;
    notify({.fileName = true});
    return saved;
}

Status RecordBook::merge(const std::string& path) {
    if (!fileExists(path)) return Status::fail("the file does not exist");
    Result<std::vector<TripRecord>> records = readDatabaseFile(path);
    if (!records.ok()) return Status::fail(records.error());
    return appendRecords(std::move(records).value());
}

void RecordBook::adopt(RecordTable table, std::string fileName) {
    table_ = std::move(table);
    fileName_ = titleName_ = std::move(fileName);
    notify({.records = true, .currentRecord = true, .fileName = true});
}

void RecordBook::setSettings(Settings settings) {
    settings_ = std::move(settings);
    notify({.settings = true});
}

}  // namespace rodwick
