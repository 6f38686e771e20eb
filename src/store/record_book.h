// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "file_io.h"
#include "record_table.h"
#include "result.h"
#include "settings.h"
#include "trip_merge.h"

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
        bool history = false;  // a step outside the records was taken, undone or redone
        bool any() const {
            return records || currentRecord || fileName || emptiness || settings || history;
        }
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
        Recovery,
        Reload,         // the file changed on disk and nothing was unsaved: its trips taken
        MergeFromDisk,  // the file changed on disk: merged with the unsaved trips
        ConflictCopy    // a sync program's conflict copy merged in
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
    // Writes the table to fileName(); the message on failure is the system's reason. A load and
    // a save make the file the book's own (hasFile(), savedTrips()).
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

    // The file on disk. The book remembers its file as last loaded or saved: the trips it held
    // then (the base a change made elsewhere is merged against) and a stamp of the file (size,
    // time and bytes), so that the window can tell a change made by another program (a sync
    // program bringing another machine's save) from the book's own saves.
    //
    // The book has a file once a load, a save or adopt names one, and while fileName() is it.
    // New leaves it without one (undoing New gives it back), as does a failed load that turns
    // fileName() back to the title's: such a table belongs to no file until it is saved.
    bool hasFile() const;
    // The trips as last loaded, saved or taken in from the file; none without a file.
    std::span<const TripRecord> savedTrips() const;
    // The records differ from the file's as last loaded, saved or taken in (an undo back to
    // them is nothing unsaved). Without a file, any trip held is unsaved; an empty table has
    // nothing to lose.
    bool unsaved() const;

    enum class FileState {
        Same,        // the file holds what the book last loaded, saved or took in
        Changed,     // another program wrote other trips: the check's change has them
        Missing,     // no file at fileName() (removed, renamed, or a sync still under way)
        Unreadable,  // the file is there but could not be read or parsed: reason says why
        NoFile,      // the book has no file to check
    };
    // The file's trips as a disk check found them, to be taken in by takeInDiskChange.
    class DiskChange {
      public:
        const std::vector<TripRecord>& trips() const { return trips_; }
        const std::string& path() const { return path_; }

      private:
        friend class RecordBook;
        std::vector<TripRecord> trips_;
        std::string path_;
        std::string bytes_;
        FileStamp stamp_;
        std::int64_t readNs_ = 0;
        std::uint64_t generation_ = 0;  // the book's knowledge of the file it was found against
    };
    struct DiskCheck {
        FileState state = FileState::NoFile;
        DiskChange change;   // Changed
        std::string reason;  // Unreadable: the message, the path in front
    };
    // Whether the file still holds what the book last loaded, saved or took in. Cheap while it
    // does: a file whose size and time are the stamp's is not read. Otherwise the file is read:
    // the same bytes (a touch, the book's own save) are no change and renew the stamp, and so are
    // other bytes of the same trips. A file written within kRacyNs of the moment its stamp was
    // taken is read at every check until a later one finds it older: a second write within the
    // same tick of the file's clock would keep size and time.
    [[nodiscard]] DiskCheck checkDisk();
    static constexpr std::int64_t kRacyNs = 2'000'000'000;  // FAT keeps times in 2 s steps

    // Takes in what a disk check found: with nothing unsaved the records become the file's
    // (one step, "Reload"); otherwise the merge of the unsaved records with the file's against
    // savedTrips() (mergeTrips; one step, "Merge from Disk"). The file's trips then become
    // savedTrips() and its stamp the book's, so the book has unsaved changes exactly where the
    // merge differs from the file. The current record stays on the trip given (by default the
    // current one) where the result holds it, the copy nearest its place; otherwise the same
    // place, within the records. The summary counts against the records before.
    // A result past 250 trips is not taken: nothing changes (summary.tooMany()), and the book
    // keeps its knowledge of the file, so every later check finds the change again. Fails,
    // changing nothing, for a change found before the book last loaded, saved or took in its
    // file, or of another file.
    [[nodiscard]] Result<MergeSummary> takeInDiskChange(const DiskChange& change,
                                                        std::optional<TripRecord> stayOn = {});
    // Merges the trips of a sync program's conflict copy of the book's file into the records as
    // one step ("Merge of Conflicted Copy"): three ways against the earlier version that shares
    // the most trips with both (chooseCommonBase of olderVersions, given oldest first, and
    // savedTrips() as the newest), the records' order kept with the copy's added trips after;
    // without such a version every trip of either once (unionTrips). The file is not written:
    // the merged trips are unsaved. The summary counts against the records before (added: the
    // trips that came only from the copy). Past 250 trips nothing changes (summary.tooMany()).
    [[nodiscard]] MergeSummary mergeConflictCopy(
        const std::vector<TripRecord>& copy,
        std::span<const std::vector<TripRecord>> olderVersions = {});
    // Which records the change being told replaced, for whatever follows trips through a change
    // (the photos' links): from record first on, `removed` records of the table before it became
    // the `added` records now there, the rest kept (moved up or down after them). Undo and redo
    // tell the step's records the other way round. Nothing after a load or adopt: their table
    // is another one.
    struct ChangedRecords {
        int first = 1;
        int removed = 0;
        int added = 0;
        bool operator==(const ChangedRecords&) const = default;
    };
    const std::optional<ChangedRecords>& lastChange() const { return lastChange_; }

    // The record (1..recordCount) holding exactly this trip, the one nearest record near where
    // several do; 0 when none does. A window that kept a trip's text (an editor open on it)
    // finds it again after the records changed under it.
    int findTrip(const TripRecord& trip, int near) const;

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
    // A change outside the records that Edit, Undo takes back among theirs (a photo removed):
    // change(true) puts it back, change(false) makes it again. One step named `name`; it drops
    // the steps undone, as any step does. The change must stay callable as long as the book.
    using OutsideChange = std::function<Status(bool undoing)>;
    void recordOutsideStep(std::string name, OutsideChange change);
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
        bool detachedBefore = false;  // New leaves the table without a file; undo gives it back
        bool detachedAfter = false;
        OutsideChange outside;  // a step outside the records: no records, current or title
        int countBefore = 0;    // while the step is being taken
        std::size_t bytes = 0;  // the larger of the two sides' records
    };
    // Keeps records first..first+count-1 before an operation changes them.
    Step beginStep(StepName name, int first, int count) const;
    // Completes the step from the table the operation left and adds it to the history.
    void endStep(Step step);
    // Adds a completed step to the history, dropping those undone and the oldest beyond the
    // history's bounds.
    void pushStep(Step step);
    // Puts the table on the other side of the step, current record and title included.
    void crossStep(Step& step, bool undoing);
    void clearHistory();

    // The book's file as last loaded, saved or taken in.
    struct KnownFile {
        std::string path;
        std::vector<TripRecord> trips;     // the records it held: the base of a merge
        std::optional<std::string> bytes;  // nothing for a table adopted without reading it
        std::optional<FileStamp> stamp;
        bool racy = true;  // the stamp alone cannot be trusted: the file is read at each check
    };
    void knowFile(std::string path, std::vector<TripRecord> trips, std::optional<std::string> bytes,
                  std::optional<FileStamp> stamp, std::int64_t stampedNs);
    void restamp(FileStamp stamp, std::int64_t stampedNs);
    // Writes the table to path and knows it as the book's file.
    Status writeFile(const std::string& path);
    std::vector<TripRecord> records() const;
    // The table becomes trips as one step, the current record on stayOn (or the current trip)
    // where trips hold it, else at its place.
    void takeTrips(std::vector<TripRecord> trips, StepName name,
                   const std::optional<TripRecord>& stayOn);

    std::deque<Step> history_;
    std::optional<ChangedRecords> lastChange_;
    std::size_t done_ = 0;  // steps done; those after them were undone
    std::size_t historyBytes_ = 0;

    RecordTable table_;
    Settings settings_;
    std::string fileName_ = RecordTable::kUntitled;
    std::string titleName_ = RecordTable::kUntitled;
    FileOps ops_ = FileOps::system();
    std::optional<KnownFile> file_;
    bool detached_ = false;
    std::uint64_t fileGeneration_ = 0;  // counts the changes of file_ but its stamp's renewal
    bool empty_ = true;
    std::vector<std::shared_ptr<Subscription::Entry>> subscribers_;
};

struct RecordBook::Subscription::Entry {
    Listener listener;
    // Cleared by the subscription's end; the book drops the entry at its next notification.
    bool active = true;
};

}  // namespace rodwick
