#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "file_io.h"
#include "record_table.h"
#include "result.h"
#include "settings.h"

namespace rodwick {

// The database the windows work on: the table, the current record, the file state and the
// settings. Every change goes through an operation here, and each operation that changes
// something tells the subscribers once, after the table is consistent again, what changed.
// The windows redraw from that; none of them has to remember to.
class RecordBook {
  public:
    // What one operation changed.
    struct Changes {
        bool records = false;        // the records held (their text or their number)
        bool currentRecord = false;  // which record is current (also when it stayed the same)
        bool fileName = false;   // the file that loading reads and saving writes, or the title's
        bool emptiness = false;  // the table went from empty to holding records, or back
        bool settings = false;
        bool any() const { return records || currentRecord || fileName || emptiness || settings; }
        bool operator==(const Changes&) const = default;
    };
    using Listener = std::function<void(const Changes&)>;

    // Ends the subscription when destroyed; safe during a notification and after the book.
    class Subscription {
      public:
        Subscription() = default;
        Subscription(Subscription&&) noexcept = default;
        Subscription& operator=(Subscription&& other) noexcept;
        Subscription(const Subscription&) = delete;
        Subscription& operator=(const Subscription&) = delete;
        ~Subscription();
        void reset();

      private:
        friend class RecordBook;
        struct Entry;
        explicit Subscription(std::weak_ptr<Entry> entry) : entry_(std::move(entry)) {}
        std::weak_ptr<Entry> entry_;
    };

    RecordBook() = default;
    RecordBook(const RecordBook&) = delete;
    RecordBook& operator=(const RecordBook&) = delete;

    [[nodiscard]] Subscription subscribe(Listener listener);

    const RecordTable& table() const { return table_; }
    int recordCount() const { return table_.recordCount(); }
    int currentRecord() const { return table_.currentRecord(); }
    // Slot currentRecord: the empty slot 0 while there are no records.
    const TripRecord& current() const { return table_.slot(table_.currentRecord()); }
    const Settings& settings() const { return settings_; }
    // UTF-8 path of the file that loading reads and saving writes; "Untitled" before any.
    const std::string& fileName() const { return fileName_; }
    // The name the title shows: "Untitled" at an untitled start and after New, the file's path
    // after a load. Saving never changes it.
    const std::string& titleName() const { return titleName_; }
    // Save asks for a name while the title shows "Untitled".
    bool isUntitled() const { return titleName_ == RecordTable::kUntitled; }

    // Makes record n (1..recordCount) current; outside that range it changes nothing.
    bool show(int n);
    // Appends the block after the last record, all or nothing; record 1 becomes current when
    // the table was empty. Refuses past 250 records.
    [[nodiscard]] Status appendRecords(std::vector<TripRecord> records);
    // The table becomes exactly these records, record 1 current (0 when there are none), as
    // after a load; the file state stays. Refuses more than 250 records.
    [[nodiscard]] Status replaceRecords(std::vector<TripRecord> records);
    // Record n (1..recordCount) becomes the record given.
    [[nodiscard]] Status replaceRecord(int n, TripRecord record);
    // One field of the current record.
    [[nodiscard]] Status setField(Field field, std::string text);
    // Removes the current record and shows record 1, or the empty view.
    [[nodiscard]] Status deleteCurrent();
    // Appends a copy of the current record; the current record stays where it was.
    [[nodiscard]] Status duplicateCurrent();
    // Empties the records; only the title goes back to "Untitled", the file name stays.
    void newDatabase();

    // Replaces the table by the file's records and names the database after it. A missing
    // file leaves the table and the title, and the file name goes back to the one the title
    // shows; a file that cannot be read leaves table, title and file name as they were.
    [[nodiscard]] Status load(const std::string& path);
    // Writes the table to fileName(); the message on failure is the system's reason.
    [[nodiscard]] Status save();
    // Saves to path, which then takes later saves; a failed save keeps the old file name.
    [[nodiscard]] Status saveAs(const std::string& path);
    // Appends the records of a file, all or nothing.
    [[nodiscard]] Status merge(const std::string& path);

    void setSettings(Settings settings);
    // Takes over a whole table (stale slots included) and the file it belongs to, titled after
    // it, as a load does; for start-up paths and tools that build a table themselves.
    void adopt(RecordTable table, std::string fileName);

    // File operations of saving; tests make saves fail through them.
    void setFileOps(FileOps ops) { ops_ = std::move(ops); }

  private:
    // Tells the subscribers, adding the emptiness change when the table's emptiness differs
    // from the one last told.
    void notify(Changes changes);

    RecordTable table_;
    Settings settings_;
    std::string fileName_ = RecordTable::kUntitled;
    std::string titleName_ = RecordTable::kUntitled;
    FileOps ops_ = FileOps::system();
    bool empty_ = true;
    std::vector<std::shared_ptr<Subscription::Entry>> subscribers_;
};

struct RecordBook::Subscription::Entry {
    Listener listener;
    // Cleared by the subscription's end; the book drops the entry at its next notification.
    bool active = true;
};

}  // namespace rodwick
