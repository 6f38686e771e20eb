#include "record_book.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "database_file.h"
#include "rodwick_test/store_test_util.h"

namespace rodwick::testing {
namespace {

// Every notification a book sends, one line each: the changes named in a fixed order.
std::string Named(const RecordBook::Changes& c) {
    std::string out;
    for (const auto& [on, name] : {std::pair{c.records, "records"},
                                   {c.currentRecord, "current"},
                                   {c.fileName, "file"},
                                   {c.emptiness, "emptiness"},
                                   {c.settings, "settings"}}) {
        if (on) out += out.empty() ? name : std::string(" ") + name;
    }
    return out;
}

// A book with a recording subscriber, and what the book holds as one line:
// "count/current title=<title> file=<file>" with paths relative to the test folder.
struct Recorded {
    TempDir dir;
    RecordBook book;
    std::vector<std::string> told;
    RecordBook::Subscription subscription =
        book.subscribe([this](const RecordBook::Changes& c) { told.push_back(Named(c)); });

    std::string Short(const std::string& path) const {
        return path.rfind(dir.path, 0) == 0 ? path.substr(dir.path.size() + 1) : path;
    }
    std::string Held() const {
        return std::to_string(book.recordCount()) + "/" + std::to_string(book.currentRecord()) +
               " title=" + Short(book.titleName()) + " file=" + Short(book.fileName());
    }
    std::string Database(const std::string& name, int first, int last) {
        WriteBytes(dir.File(name), DatabaseBytes(Trips(first, last)));
        return dir.File(name);
    }
    void Hold(int n) {
        ASSERT_TRUE(book.replaceRecords(Trips(1, n)).ok());
        told.clear();
    }
};

struct Case {
    const char* name;
    std::function<void(Recorded&)> setup;
    // The operation; true when it reported success.
    std::function<bool(Recorded&)> run;
    bool succeeds;
    std::vector<std::string> told;
    std::string held;
};

const TripRecord kOther = Tagged("x");

// clang-format off
const Case kCases[] = {
    {"show a record", [](Recorded& r) { r.Hold(3); },
     [](Recorded& r) { return r.book.show(3); }, true, {"current"}, "3/3 title=Untitled file=Untitled"},
    {"show the current record again redraws", [](Recorded& r) { r.Hold(3); },
     [](Recorded& r) { return r.book.show(1); }, true, {"current"}, "3/1 title=Untitled file=Untitled"},
    {"show past the end", [](Recorded& r) { r.Hold(3); },
     [](Recorded& r) { return r.book.show(4); }, false, {}, "3/1 title=Untitled file=Untitled"},
    {"show record 0", [](Recorded& r) { r.Hold(3); },
     [](Recorded& r) { return r.book.show(0); }, false, {}, "3/1 title=Untitled file=Untitled"},
    {"first add to an empty table", [](Recorded&) {},
     [](Recorded& r) { return r.book.appendRecords({kOther}).ok(); }, true,
     {"records current emptiness"}, "1/1 title=Untitled file=Untitled"},
    {"add to a table with records", [](Recorded& r) { r.Hold(2); },
     [](Recorded& r) { return r.book.appendRecords({kOther}).ok(); }, true, {"records"},
     "3/1 title=Untitled file=Untitled"},
    {"append up to exactly 250", [](Recorded& r) { r.Hold(245); },
     [](Recorded& r) { return r.book.appendRecords(Trips(1, 5)).ok(); }, true, {"records"},
     "250/1 title=Untitled file=Untitled"},
    {"append past 250 appends nothing", [](Recorded& r) { r.Hold(245); },
     [](Recorded& r) { return r.book.appendRecords(Trips(1, 6)).ok(); }, false, {},
     "245/1 title=Untitled file=Untitled"},
    {"append nothing to an empty table", [](Recorded&) {},
     [](Recorded& r) { return r.book.appendRecords({}).ok(); }, true, {"records"},
     "0/0 title=Untitled file=Untitled"},
    {"replace all by none empties", [](Recorded& r) { r.Hold(2); },
     [](Recorded& r) { return r.book.replaceRecords({}).ok(); }, true,
     {"records current emptiness"}, "0/0 title=Untitled file=Untitled"},
    {"replace all by 251 refused", [](Recorded& r) { r.Hold(2); },
     [](Recorded& r) { return r.book.replaceRecords(Trips(1, 251)).ok(); }, false, {},
     "2/1 title=Untitled file=Untitled"},
    {"replace a record", [](Recorded& r) { r.Hold(2); },
     [](Recorded& r) { return r.book.replaceRecord(2, kOther).ok() && r.book.table().slot(2) == kOther; },
     true, {"records"}, "2/1 title=Untitled file=Untitled"},
    {"replace a record beyond the count", [](Recorded& r) { r.Hold(2); },
     [](Recorded& r) { return r.book.replaceRecord(3, kOther).ok(); }, false, {},
     "2/1 title=Untitled file=Untitled"},
    {"set a field of the current record", [](Recorded& r) { r.Hold(2); ASSERT_TRUE(r.book.show(2)); r.told.clear(); },
     [](Recorded& r) { return r.book.setField(Field::bait, "worms").ok() && r.book.current()[Field::bait] == "worms"; },
     true, {"records"}, "2/2 title=Untitled file=Untitled"},
    {"set a field with no records", [](Recorded&) {},
     [](Recorded& r) { return r.book.setField(Field::bait, "worms").ok(); }, false, {},
     "0/0 title=Untitled file=Untitled"},
    {"delete shows record 1", [](Recorded& r) { r.Hold(3); ASSERT_TRUE(r.book.show(3)); r.told.clear(); },
     [](Recorded& r) { return r.book.deleteCurrent().ok(); }, true, {"records current"},
     "2/1 title=Untitled file=Untitled"},
    {"delete the last record empties", [](Recorded& r) { r.Hold(1); },
     [](Recorded& r) { return r.book.deleteCurrent().ok(); }, true,
     {"records current emptiness"}, "0/0 title=Untitled file=Untitled"},
    {"delete with no records", [](Recorded&) {},
     [](Recorded& r) { return r.book.deleteCurrent().ok(); }, false, {},
     "0/0 title=Untitled file=Untitled"},
    {"duplicate keeps the current record", [](Recorded& r) { r.Hold(3); ASSERT_TRUE(r.book.show(2)); r.told.clear(); },
     [](Recorded& r) { return r.book.duplicateCurrent().ok() && r.book.table().slot(4) == Tagged("r2"); },
     true, {"records"}, "4/2 title=Untitled file=Untitled"},
    {"duplicate at 250 refused", [](Recorded& r) { r.Hold(250); },
     [](Recorded& r) { return r.book.duplicateCurrent().ok(); }, false, {},
     "250/1 title=Untitled file=Untitled"},
    {"new keeps the file name", [](Recorded& r) { ASSERT_TRUE(r.book.load(r.Database("a.rwk", 1, 3)).ok()); r.told.clear(); },
     [](Recorded& r) { r.book.newDatabase(); return true; }, true,
     {"records current file emptiness"}, "0/0 title=Untitled file=a.rwk"},
    {"load names title and file", [](Recorded& r) { r.Hold(2); },
     [](Recorded& r) { return r.book.load(r.Database("a.rwk", 1, 5)).ok(); }, true,
     {"records current file"}, "5/1 title=a.rwk file=a.rwk"},
    {"load into an empty table", [](Recorded&) {},
     [](Recorded& r) { return r.book.load(r.Database("a.rwk", 1, 5)).ok(); }, true,
     {"records current file emptiness"}, "5/1 title=a.rwk file=a.rwk"},
    {"load of a file without records", [](Recorded& r) { r.Hold(2); },
     [](Recorded& r) { return r.book.load(r.Database("none.rwk", 1, 0)).ok(); }, true,
     {"records current file emptiness"}, "0/0 title=none.rwk file=none.rwk"},
    {"load of a missing file after New: the file name goes back to the title's",
     [](Recorded& r) { ASSERT_TRUE(r.book.load(r.Database("a.rwk", 1, 3)).ok()); r.book.newDatabase(); r.told.clear(); },
     [](Recorded& r) { return r.book.load(r.dir.File("gone.rwk")).ok(); }, false, {"file"},
     "0/0 title=Untitled file=Untitled"},
    {"load of a missing file, nothing to go back to",
     [](Recorded& r) { ASSERT_TRUE(r.book.load(r.Database("a.rwk", 1, 3)).ok()); r.told.clear(); },
     [](Recorded& r) { return r.book.load(r.dir.File("gone.rwk")).ok(); }, false, {},
     "3/1 title=a.rwk file=a.rwk"},
    {"load of a short file keeps everything",
     [](Recorded& r) { ASSERT_TRUE(r.book.load(r.Database("a.rwk", 1, 3)).ok()); r.told.clear();
                       WriteBytes(r.dir.File("short.rwk"), FileImage(" 4 ", Trips(1, 3))); },
     [](Recorded& r) { return r.book.load(r.dir.File("short.rwk")).ok(); }, false, {},
     "3/1 title=a.rwk file=a.rwk"},
    {"load of 251 records keeps everything", [](Recorded& r) { r.Hold(2); },
     [](Recorded& r) { return r.book.load(r.Database("big.rwk", 1, 251)).ok(); }, false, {},
     "2/1 title=Untitled file=Untitled"},
    {"merge appends and names nothing", [](Recorded& r) { r.Hold(2); },
     [](Recorded& r) { return r.book.merge(r.Database("b.rwk", 1, 3)).ok(); }, true, {"records"},
     "5/1 title=Untitled file=Untitled"},
    {"merge into an empty table", [](Recorded&) {},
     [](Recorded& r) { return r.book.merge(r.Database("b.rwk", 1, 3)).ok(); }, true,
     {"records current emptiness"}, "3/1 title=Untitled file=Untitled"},
    {"merge past 250 merges nothing", [](Recorded& r) { r.Hold(245); },
     [](Recorded& r) { return r.book.merge(r.Database("b.rwk", 1, 10)).ok(); }, false, {},
     "245/1 title=Untitled file=Untitled"},
    {"merge of a missing file", [](Recorded& r) { r.Hold(2); },
     [](Recorded& r) { return r.book.merge(r.dir.File("gone.rwk")).ok(); }, false, {},
     "2/1 title=Untitled file=Untitled"},
    {"save as takes later saves, the title stays", [](Recorded& r) { ASSERT_TRUE(r.book.load(r.Database("a.rwk", 1, 3)).ok()); r.told.clear(); },
     [](Recorded& r) { return r.book.saveAs(r.dir.File("b.rwk")).ok() && ReadBytes(r.dir.File("b.rwk")) == DatabaseBytes(Trips(1, 3)); },
     true, {"file"}, "3/1 title=a.rwk file=b.rwk"},
    {"a failed save as keeps the file name", [](Recorded& r) { ASSERT_TRUE(r.book.load(r.Database("a.rwk", 1, 3)).ok()); r.told.clear(); },
     [](Recorded& r) { return r.book.saveAs(r.dir.File("no folder/b.rwk")).ok(); }, false, {},
     "3/1 title=a.rwk file=a.rwk"},
    {"save writes the file and tells nothing", [](Recorded& r) { ASSERT_TRUE(r.book.load(r.Database("a.rwk", 1, 3)).ok());
                                                              ASSERT_TRUE(r.book.deleteCurrent().ok()); r.told.clear(); },
     [](Recorded& r) { return r.book.save().ok() && ReadBytes(r.dir.File("a.rwk")) == DatabaseBytes(Trips(2, 3)); },
     true, {}, "2/1 title=a.rwk file=a.rwk"},
    {"settings", [](Recorded&) {},
     [](Recorded& r) { Settings s; s.units = UnitNames::Imperial(); r.book.setSettings(s); return r.book.settings().units == UnitNames::Imperial(); },
     true, {"settings"}, "0/0 title=Untitled file=Untitled"},
};
// clang-format on

TEST(RecordBook, EachOperationTellsOnceWhatChanged) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        Recorded r;
        c.setup(r);
        EXPECT_EQ(c.run(r), c.succeeds);
        EXPECT_EQ(r.told, c.told);
        EXPECT_EQ(r.Held(), c.held);
    }
}

TEST(RecordBook, FailuresCarryTheReason) {
    Recorded r;
    r.Hold(250);
    EXPECT_EQ(r.book.appendRecords({kOther}).message(), "only 250 records are allowed in one file");
    const std::string plain = r.dir.File("plain.txt");
    WriteBytes(plain, "not a folder");
    EXPECT_EQ(r.book.saveAs(plain + "/b.rwk").message(), std::strerror(ENOTDIR));
    r.book.setFileOps(WriteFailsAfter(0));
    ASSERT_TRUE(r.book.load(r.Database("a.rwk", 1, 2)).ok());
    const Status saved = r.book.save();
    EXPECT_EQ(saved.message(), std::strerror(ENOSPC));
    EXPECT_EQ(ReadBytes(r.dir.File("a.rwk")), DatabaseBytes(Trips(1, 2)));
}

TEST(RecordBook, SubscriptionsEndWithTheirObjectEvenWhileTold) {
    auto book = std::make_unique<RecordBook>();
    std::string told;
    RecordBook::Subscription second;
    // The first listener ends the second one's subscription while both are being told.
    RecordBook::Subscription first = book->subscribe([&](const RecordBook::Changes&) {
        told += "1";
        second.reset();
    });
    second = book->subscribe([&](const RecordBook::Changes&) { told += "2"; });
    RecordBook::Subscription selfEnding;
    selfEnding = book->subscribe([&](const RecordBook::Changes&) {
        told += "3";
        selfEnding = RecordBook::Subscription();
    });
    ASSERT_TRUE(book->appendRecords({kOther}).ok());
    ASSERT_TRUE(book->appendRecords({kOther}).ok());
    EXPECT_EQ(told, "131") << "2 ended before its turn, 3 ended itself";

    RecordBook::Subscription moved = std::move(first);
    first = RecordBook::Subscription();
    told.clear();
    ASSERT_TRUE(book->appendRecords({kOther}).ok());
    EXPECT_EQ(told, "1") << "a moved subscription goes on";
    book.reset();
    moved.reset();  // after the book: nothing to end
}

}  // namespace
}  // namespace rodwick::testing
