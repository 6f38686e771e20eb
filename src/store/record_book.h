// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <deque>
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

    // What a step of the history is called in the Undo and Redo commands. The book cannot tell
    // a quick edit from the species picker, or an added trip from an import: the windows say.
    enum class StepName {
        Add,
        Edit,
        QuickEdit,
        Species,
        Delete,
        Duplicate,
        Merge,
        Import,
        New,
        Replace,
        Recovery
    };

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
    [[nodiscard]] Status appendRecords(std::vector<TripRecord> records,
                                       StepName name = StepName::Add);
    // The table becomes exactly these records, record 1 current (0 when there are none), as
    // after a load; the file state stays. Refuses more than 250 records.
    [[nodiscard]] Status replaceRecords(std::vector<TripRecord> records,
                                        StepName name = StepName::Replace);
    // Record n (1..recordCount) becomes the record given.
    [[nodiscard]] Status replaceRecord(int n, TripRecord record, StepName name = StepName::Edit);
    // One field of the current record.
    [[nodiscard]] Status setField(Field field, std::string text,
                                  StepName name = StepName::QuickEdit);
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

    // The history: each operation above that changes the records, the current record's place
    // in them or the title is one step (one that changes nothing is none). A successful load
    // and adopt start a new history; saving and the settings leave it. Undo puts back the
    // records, the current record and the title as they were before the step and tells the
    // subscribers as any change does; redo puts back what the step left. A new step drops
    // the steps that were undone.
    //
    // Memory: a step keeps only the records it changed (one trip for an edit or a delete, the
    // whole table for New), never a copy of the rest. The history keeps the last
    // kHistorySteps steps, and drops older ones beyond that or once its steps hold more than
    // kHistoryBytes. A step on a full table of 250 ordinary trips is about 200 KB, so 100 of
    // them stay well inside the budget; the newest step is always kept.
    static constexpr int kHistorySteps = 100;
    static constexpr std::size_t kHistoryBytes = std::size_t{32} << 20;
    bool canUndo() const { return done_ > 0; }
    bool canRedo() const { return done_ < history_.size(); }
    // The step undo or redo would take as the commands name it ("Delete", "Import of 12
    // Trips"); empty when there is none.
    std::string undoName() const;
    std::string redoName() const;
    [[nodiscard]] Status undo();
    [[nodiscard]] Status redo();
    // Steps held, undone ones included, and the bytes of trips they keep.
    std::size_t historySteps() const { return history_.size(); }
    std::size_t historyBytes() const { return historyBytes_; }

  private:
    // Tells the subscribers, adding the emptiness change when the table's emptiness differs
    // from the one last told.
    void notify(Changes changes);

    // One step of the history: the records it changed, from record `first` on, as they are on
    // the side of the step the table is not on (before it while it is done, after it while
    // it is undone), and how many records the table holds in their place.
    struct Step {
        StepName kind = StepName::Add;
        std::string name;  // as the commands show it
        int first = 1;
        int held = 0;
        std::vector<TripRecord> other;
        int currentBefore = 0;
        int currentAfter = 0;
        std::string titleBefore;
        std::string titleAfter;
        std::string fileBefore;  // the file a Save writes, given back with its title
        std::string fileAfter;
        int countBefore = 0;    // while the step is being taken
        std::size_t bytes = 0;  // the larger of the two sides' records
    };
    // Keeps records first..first+count-1 before an operation changes them.
    Step beginStep(StepName name, int first, int count) const;
    // Completes the step from the table the operation left and adds it to the history.
    void endStep(Step step);
    // Puts the table on the other side of the step, current record and title included.
    void crossStep(Step& step, bool undoing);
    void clearHistory();

    std::deque<Step> history_;
    std::size_t done_ = 0;  // steps done; those after them were undone
    std::size_t historyBytes_ = 0;

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
