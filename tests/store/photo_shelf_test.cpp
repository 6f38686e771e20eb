// SPDX-License-Identifier: GPL-3.0-or-later
// The photos of a log book's trips kept in step with the records: one table of changes (edits,
// deletes and their undo, duplicates, adds, merges, reloads) and where each photo is after it;
// a trip changed while the program was closed; the queries and edits of the photos; removal
// and its undo. The folders and two machines are photo_shelf_folders_test.cpp's.
#include "photo_shelf.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>

#include "photo_shelf_fixture.h"
#include "rodwick_test/store_test_util.h"

namespace rodwick::testing::shelf {
namespace {

TEST(PhotoShelf, LinksFollowTheTripsThroughEveryChange) {
    using Step = std::function<void(Shelved&)>;
    const auto show = [](Shelved& s, int n) { ASSERT_TRUE(s.book.show(n)); };
    const Step del = [](Shelved& s) { ASSERT_TRUE(s.book.deleteCurrent().ok()); };
    const Step undo = [](Shelved& s) { ASSERT_TRUE(s.book.undo().ok()); };
    const TripRecord riverAgain = trip("06-14-2024", "06:00", "River", "new");
    const struct {
        const char* what;
        std::vector<Step> steps;
        int p, q;  // the records p and q are of afterwards (0: of no trip)
        int records;
    } kCases[] = {
        {"an edit of the date",
         {[](Shelved& s) { setText(s.book, 2, Field::Date, "06-20-2024"); }},
         2,
         3,
         4},
        {"a quick edit of the venue of the second alike trip",
         {[&](Shelved& s) {
             show(s, 3);
             ASSERT_TRUE(s.book.setField(Field::Venue, "Weir").ok());
         }},
         2,
         3,
         4},
        {"an edit outside the link",
         {[](Shelved& s) { setText(s.book, 2, Field::Remarks, "x"); }},
         2,
         3,
         4},
        {"the edit undone",
         {[](Shelved& s) { setText(s.book, 2, Field::Venue, "Weir"); }, undo},
         2,
         3,
         4},
        {"p's trip deleted: p of no trip, q first of its kind",
         {[&](Shelved& s) { show(s, 2); }, del},
         0,
         2,
         3},
        {"the delete undone", {[&](Shelved& s) { show(s, 2); }, del, undo}, 2, 3, 4},
        {"the delete redone",
         {[&](Shelved& s) { show(s, 2); }, del, undo,
          [](Shelved& s) { ASSERT_TRUE(s.book.redo().ok()); }},
         0,
         2,
         3},
        {"a trip before both deleted and undone",
         {[&](Shelved& s) { show(s, 1); }, del, undo},
         2,
         3,
         4},
        {"p's trip duplicated",
         {[&](Shelved& s) {
             show(s, 2);
             ASSERT_TRUE(s.book.duplicateCurrent().ok());
         }},
         2,
         3,
         5},
        {"p's trip duplicated, then the original deleted",
         {[&](Shelved& s) {
              show(s, 2);
              ASSERT_TRUE(s.book.duplicateCurrent().ok());
          },
          del},
         0,
         2,
         4},
        {"the duplicate of two equal trips undone",
         {[](Shelved& s) { setText(s.book, 3, Field::Remarks, "b"); },
          [&](Shelved& s) {
              show(s, 3);
              ASSERT_TRUE(s.book.duplicateCurrent().ok());
          },
          undo},
         2,
         3,
         4},
        {"the first of two equal trips deleted, then undone",
         {[](Shelved& s) { setText(s.book, 3, Field::Remarks, "b"); },
          [&](Shelved& s) { show(s, 2); }, del, undo},
         2,
         3,
         4},
        {"the first of two equal trips deleted",
         {[](Shelved& s) { setText(s.book, 3, Field::Remarks, "b"); },
          [&](Shelved& s) { show(s, 2); }, del},
         0,
         2,
         3},
        {"an alike trip added at the end",
         {[&](Shelved& s) { ASSERT_TRUE(s.book.appendRecords({riverAgain}).ok()); }},
         2,
         3,
         5},
        {"a log book merged in after",
         {[&](Shelved& s) {
             writeBytes(s.dir.file("Other.RWK"), databaseBytes({riverAgain, kTrips[1]}));
             ASSERT_TRUE(s.book.merge(s.dir.file("Other.RWK")).ok());
         }},
         2,
         3,
         6},
        {"a reload with an alike trip added before both",
         {[&](Shelved& s) {
             s.reloaded({riverAgain, kTrips[0], kTrips[1], kTrips[2], kTrips[3]});
         }},
         3,
         4,
         5},
        {"a reload that reorders the trips",
         {[](Shelved& s) {
             s.reloaded({kTrips[3], kTrips[2], kTrips[0], kTrips[1]});
         }},
         4,
         2,
         4},
        {"a reload where the other machine deleted q's trip",
         {[](Shelved& s) {
             s.reloaded({kTrips[0], kTrips[1], kTrips[3]});
         }},
         2,
         0,
         3},
        {"a reload where the other machine moved p's trip to another day",
         {[](Shelved& s) {
             s.reloaded(
                 {kTrips[0], trip("06-21-2024", "06:00", "River", "b"), kTrips[2], kTrips[3]});
         }},
         2,
         3,
         4},
        {"a merge from disk over an unsaved edit",
         {[](Shelved& s) { setText(s.book, 4, Field::Remarks, "unsaved"); },
          [&](Shelved& s) {
              s.reloaded({riverAgain, kTrips[1], kTrips[2], kTrips[3]});
          }},
         2,
         3,
         4},
        {"New, then undone", {[](Shelved& s) { s.book.newDatabase(); }, undo}, 2, 3, 4},
        {"loaded again", {[](Shelved& s) { ASSERT_TRUE(s.book.load(s.path).ok()); }}, 2, 3, 4},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        Shelved s;
        const std::string p = s.add(2, "p.jpg"), q = s.add(3, "q.jpg");
        ASSERT_TRUE(s.shelf->setCover(p, true).ok());
        for (const Step& step : c.steps) step(s);
        EXPECT_EQ(s.shelf->recordOf(p), c.p);
        EXPECT_EQ(s.shelf->recordOf(q), c.q);
        std::vector<int> counts(static_cast<std::size_t>(c.records));
        if (c.p > 0) ++counts[static_cast<std::size_t>(c.p - 1)];
        if (c.q > 0) ++counts[static_cast<std::size_t>(c.q - 1)];
        EXPECT_EQ(s.shelf->photoCounts(), counts);
        EXPECT_EQ(s.shelf->coverOf(c.p).has_value(), c.p > 0) << "the cover goes with its photo";
        // Written as it is now, and no photo ever deleted.
        EXPECT_EQ(s.onDisk(), s.shelf->photos());
        EXPECT_EQ(readBytes(s.shelf->pathOf(p)), "picture p.jpg");
        EXPECT_EQ(readBytes(s.shelf->pathOf(q)), "picture q.jpg");
        EXPECT_TRUE(s.failures.empty());
        // Another shelf opened on the book as it is finds the same.
        s.open();
        EXPECT_EQ(s.shelf->recordOf(p), c.p);
        EXPECT_EQ(s.shelf->recordOf(q), c.q);
    }
}

TEST(PhotoShelf, ATripChangedWhileTheProgramWasClosedLosesItsLinkNotItsPhotos) {
    Shelved s;
    const std::string p = s.add(1, "p.jpg");
    s.shelf.reset();
    // The other machine moved the trip to another day and added one.
    s.reloaded({trip("06-20-2024", "07:00", "Lake", "a"), kTrips[1], kTrips[2], kTrips[3],
                trip("06-13-2024", "09:00", "Lake", "e")});
    // No shelf saw that change: the next one finds a link that names no trip.
    s.open();
    EXPECT_EQ(s.shelf->recordOf(p), 0);
    EXPECT_EQ(namesOf(s.shelf->photosOfNoTrip()), std::vector<std::string>{p});
    EXPECT_EQ(readBytes(s.shelf->pathOf(p)), "picture p.jpg");
    // Offered first: the trips of its date (06-13-2024), then by distance in days, record order
    // among equals, a date that does not read last.
    setText(s.book, 4, Field::Date, "some day");
    EXPECT_EQ(s.shelf->tripsFor(p), (std::vector<int>{5, 2, 3, 1, 4}));

    ASSERT_TRUE(s.shelf->relink(p, 1).ok());
    EXPECT_EQ(s.shelf->recordOf(p), 1);
    EXPECT_TRUE(s.shelf->photosOfNoTrip().empty());
    EXPECT_EQ(s.onDisk(), s.shelf->photos());
}

TEST(PhotoShelf, PhotosAddedCaptionedAndCovered) {
    Shelved s;
    const PhotoTime taken{2024, 6, 14, 6, 30, 5};
    const auto added = s.shelf->addPhotos(
        2, {{s.picked("IMG_1.JPG"), taken}, {s.picked("swim.png"), std::nullopt}});
    ASSERT_TRUE(added.ok()) << added.error();
    const std::string one = added.value().at(0), two = added.value().at(1);
    EXPECT_EQ(one.substr(0, 16), "20240614-063005-");
    EXPECT_TRUE(one.ends_with(".JPG"));
    EXPECT_TRUE(two.ends_with(".png"));
    EXPECT_EQ(s.shelf->folder(), s.dir.file("Trips photos"));
    EXPECT_EQ(readBytes(s.shelf->pathOf(one)), "picture IMG_1.JPG");

    const std::vector<PhotoEntry> photos = s.shelf->photosOf(2);
    ASSERT_EQ(namesOf(photos), (std::vector<std::string>{one, two}));
    EXPECT_EQ(photos[0].caption, "IMG_1.JPG") << "the file's own name until the user gives one";
    EXPECT_EQ(photos[0].taken, taken);
    EXPECT_EQ(photos[1].taken, std::nullopt);
    EXPECT_EQ(photos[0].link, linkOf(kTrips, 1));
    EXPECT_EQ(s.shelf->coverOf(2), std::nullopt);

    ASSERT_TRUE(s.shelf->setCover(one, true).ok());
    ASSERT_TRUE(s.shelf->setCover(two, true).ok());
    EXPECT_EQ(s.shelf->coverOf(2)->name, two) << "one cover per trip";
    EXPECT_FALSE(s.shelf->photosOf(2)[0].cover);
    ASSERT_TRUE(s.shelf->setCover(two, false).ok());
    EXPECT_EQ(s.shelf->coverOf(2), std::nullopt);
    ASSERT_TRUE(s.shelf->setCaption(one, "Barbel, 9 lb\ton the\nfeeder").ok());
    EXPECT_EQ(s.shelf->photosOf(2)[0].caption, "Barbel, 9 lb\ton the\nfeeder");
    EXPECT_EQ(s.onDisk(), s.shelf->photos());

    const std::string loose = s.add(0, "loose.jpg");
    EXPECT_EQ(namesOf(s.shelf->photosOfNoTrip()), std::vector<std::string>{loose});
    EXPECT_FALSE(s.shelf->setCover(loose, true).ok()) << "a photo of no trip is no cover";
    EXPECT_FALSE(s.shelf->addPhotos(5, {{s.picked("x.jpg"), std::nullopt}}).ok());
    EXPECT_FALSE(s.shelf->relink(loose, 0).ok());
    EXPECT_FALSE(s.shelf->setCaption("none.jpg", "x").ok());
    EXPECT_EQ(s.shelf->photoCounts(), (std::vector<int>{0, 2, 0, 0}));

    const auto missing = s.shelf->addPhotos(
        1, {{s.picked("a.jpg"), std::nullopt}, {s.dir.file("card/gone.jpg"), std::nullopt}});
    EXPECT_FALSE(missing.ok());
    EXPECT_EQ(s.shelf->photoCounts(), (std::vector<int>{1, 2, 0, 0})) << "those before it stay";
    EXPECT_EQ(s.onDisk(), s.shelf->photos());
}

TEST(PhotoShelf, ARemovedPhotoIsKeptAmongTheBackupsUntilRestored) {
    Shelved s;
    const std::string first = s.add(2, "a.jpg"), p = s.add(2, "p.jpg"), last = s.add(3, "c.jpg");
    ASSERT_TRUE(s.shelf->setCover(p, true).ok());
    const Result<PhotoShelf::Removed> removed = s.shelf->remove(p);
    ASSERT_TRUE(removed.ok()) << removed.error();
    EXPECT_FALSE(fs::exists(s.shelf->pathOf(p)));
    EXPECT_EQ(readBytes(removed.value().keptAt), "picture p.jpg");
    EXPECT_TRUE(removed.value().keptAt.starts_with(s.dir.file("backups/")));
    EXPECT_EQ(namesOf(s.shelf->photos()), (std::vector<std::string>{first, last}));
    EXPECT_EQ(s.onDisk(), s.shelf->photos());

    ASSERT_TRUE(s.shelf->restore(removed.value()).ok());
    EXPECT_EQ(readBytes(s.shelf->pathOf(p)), "picture p.jpg");
    EXPECT_FALSE(fs::exists(removed.value().keptAt));
    EXPECT_EQ(namesOf(s.shelf->photos()), (std::vector<std::string>{first, p, last}));
    EXPECT_EQ(s.shelf->coverOf(2)->name, p);
    EXPECT_EQ(s.onDisk(), s.shelf->photos());
    EXPECT_FALSE(s.shelf->restore(removed.value()).ok()) << "once";
    EXPECT_FALSE(s.shelf->remove("none.jpg").ok());

    // Photos of one name from two log books both stay among the backups.
    const Result<PhotoShelf::Removed> again = s.shelf->remove(p);
    ASSERT_TRUE(again.ok());
    writeBytes(s.shelf->pathOf(p), "another");
    ASSERT_TRUE(s.shelf->takeInSyncedChanges().ok());
    const Result<PhotoShelf::Removed> other = s.shelf->remove(p);
    ASSERT_TRUE(other.ok());
    EXPECT_NE(other.value().keptAt, again.value().keptAt);
    EXPECT_EQ(readBytes(again.value().keptAt), "picture p.jpg");
    EXPECT_EQ(readBytes(other.value().keptAt), "another");
}

}  // namespace
}  // namespace rodwick::testing::shelf
