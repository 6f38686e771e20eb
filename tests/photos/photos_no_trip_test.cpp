// SPDX-License-Identifier: GPL-3.0-or-later
// Photos whose trip was changed where the program did not see it (a text editor, the other
// machine while the program was closed): listed as photos of no trip, offered the trips of
// their date first, linked again by one choice, and never deleted on the way.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "database_file.h"
#include "photos_window.h"
#include "rodwick_test/sample_photos.h"
#include "rodwick_test/scripted_platform.h"
#include "rodwick_test/store_test_util.h"

namespace rodwick::testing {
namespace {

using photos::PhotosWindow;

const std::vector<Field> kLinkFields = {Field::Date, Field::StartTime, Field::Venue};

// Trips 2 and 4 share a date; trip 3 is a week after it, trip 1 twelve days before.
std::vector<TripRecord> logBook(const std::string& secondVenue) {
    return tripsWith(kLinkFields, {{"06-01-2024", "07:00", "Lake"},
                                   {"06-13-2024", "06:00", secondVenue},
                                   {"06-20-2024", "08:00", "Canal"},
                                   {"06-13-2024", "14:00", "Weir"}});
}

class NoTripTest : public ::testing::Test {
  protected:
    NoTripTest() {
        qputenv("XDG_CACHE_HOME", QByteArray::fromStdString(dir_.file("cache")));
        std::filesystem::create_directories(dir_.file("camera"));
        writeBytes(dir_.file("LOG.RWK"), databaseBytes(logBook("Tweed")));
        {
            // Two photos of trip 2 added in an earlier run of the program.
            RecordBook earlier;
            EXPECT_TRUE(earlier.load(dir_.file("LOG.RWK")).ok());
            PhotoShelf shelf(earlier,
                             {.untitled = dir_.file("untitled"), .backups = dir_.file("backups")});
            std::vector<PhotoShelf::Picked> picked;
            for (const char* name : {"barbel.jpg", "swim.png"}) {
                const std::string path = dir_.file("camera/") + name;
                writeBytes(
                    path, photoBytes(quadrants(QSize(64, 48)), PhotoFormat::Png, {}).toStdString());
                picked.push_back({.path = path, .taken = std::nullopt});
            }
            const auto added = shelf.addPhotos(2, picked);
            EXPECT_TRUE(added.ok());
            if (added.ok()) names_ = added.value();
        }
        // Then the venue corrected in a text editor while the program was closed.
        writeBytes(dir_.file("LOG.RWK"), databaseBytes(logBook("River Tweed")));
        EXPECT_TRUE(book_.load(dir_.file("LOG.RWK")).ok());
        window_ = new PhotosWindow(book_, shelf_, platform_);
    }
    ~NoTripTest() override { delete window_; }

    template <typename T>
    T* control(const char* name) const {
        T* found = window_->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    // The records the trip box offers, in its order.
    std::vector<int> offered() const {
        std::vector<int> records;
        auto* trips = control<QComboBox>("PhotoLinkTrip");
        for (int i = 0; i < trips->count(); ++i) records.push_back(trips->itemData(i).toInt());
        return records;
    }
    QStringList names(std::initializer_list<int> which) const {
        QStringList list;
        for (const int k : which) list << QString::fromStdString(names_.at(k));
        return list;
    }
    bool everyFileKept() const {
        return std::all_of(names_.begin(), names_.end(), [this](const std::string& name) {
            return fileExists(dir_.file("LOG photos/") + name);
        });
    }

    TempDir dir_;
    RecordBook book_;
    PhotoShelf shelf_{book_, {.untitled = dir_.file("untitled"), .backups = dir_.file("backups")}};
    ScriptedPlatform platform_;
    PhotosWindow* window_ = nullptr;
    std::vector<std::string> names_;
};

TEST_F(NoTripTest, PhotosOfATripChangedOutsideAreLinkedAgainByOneChoice) {
    ASSERT_EQ(names_.size(), 2u);
    ASSERT_EQ(book_.currentRecord(), 1);
    auto* toggle = control<QPushButton>("PhotoNoTrip");
    auto* link = control<QPushButton>("PhotoLink");
    ASSERT_TRUE(toggle && link);
    EXPECT_TRUE(toggle->isVisibleTo(window_));
    EXPECT_EQ(toggle->text(), "Photos of &no trip (2)");
    EXPECT_EQ(toggle->accessibleName(), "Photos of no trip (2)");
    EXPECT_TRUE(window_->shownNames().isEmpty()) << "trip 1 has none";
    EXPECT_FALSE(link->isVisibleTo(window_));

    // From the keyboard: the list then shows the photos of no trip, which take no new photo
    // and no cover.
    toggle->setFocus();
    QTest::keyClick(toggle, Qt::Key_Space);
    ASSERT_TRUE(toggle->isChecked());
    EXPECT_EQ(window_->shownNames(), names({0, 1}));
    EXPECT_TRUE(link->isVisibleTo(window_));
    EXPECT_FALSE(control<QPushButton>("PhotoAdd")->isEnabled());
    EXPECT_FALSE(control<QPushButton>("PhotoCover")->isEnabled());
    EXPECT_TRUE(control<QPushButton>("PhotoRemove")->isEnabled());

    // The trips of the photo's date first, then the nearest in date, each as an angler tells it.
    auto* trips = control<QComboBox>("PhotoLinkTrip");
    EXPECT_EQ(offered(), (std::vector<int>{2, 4, 3, 1}));
    EXPECT_EQ(trips->itemText(0), "Trip 2: 06-13-2024, 06:00, River Tweed");
    EXPECT_EQ(trips->currentIndex(), 0);

    // The first to the other trip of its day, by one choice.
    QTest::keyClick(trips, Qt::Key_Down);
    ASSERT_EQ(trips->currentData().toInt(), 4);
    link->click();
    EXPECT_EQ(shelf_.recordOf(names_[0]), 4);
    EXPECT_EQ(window_->shownNames(), names({1}));
    EXPECT_EQ(toggle->text(), "Photos of &no trip (1)");
    EXPECT_EQ(offered(), (std::vector<int>{2, 4, 3, 1})) << "offered for the photo left";

    // The last to its own trip, as offered first: the list goes back to the trip shown.
    link->click();
    EXPECT_EQ(shelf_.recordOf(names_[1]), 2);
    EXPECT_TRUE(shelf_.photosOfNoTrip().empty());
    EXPECT_FALSE(toggle->isVisibleTo(window_));
    EXPECT_FALSE(toggle->isChecked());
    EXPECT_TRUE(window_->shownNames().isEmpty());
    EXPECT_TRUE(control<QPushButton>("PhotoAdd")->isEnabled());
    ASSERT_TRUE(book_.show(2));
    EXPECT_EQ(window_->shownNames(), names({1}));
    ASSERT_TRUE(book_.show(4));
    EXPECT_EQ(window_->shownNames(), names({0}));

    // Written to the index by the trips' new text, and the log book's file untouched.
    const std::vector<PhotoEntry> index =
        parsePhotoIndex(readBytes(dir_.file("LOG photos/") + kPhotoIndexName));
    ASSERT_EQ(index.size(), 2u);
    EXPECT_EQ(index[1].link->venue, "River Tweed");
    EXPECT_EQ(index[0].link->start, "14:00");
    EXPECT_EQ(readBytes(dir_.file("LOG.RWK")), databaseBytes(logBook("River Tweed")));
    EXPECT_TRUE(everyFileKept());
}

// Nothing is lost by leaving the photos of no trip alone: a later change of trip, the window
// closed and opened again, they are still there to link.
TEST_F(NoTripTest, PhotosOfNoTripStayUntilLinked) {
    auto* toggle = control<QPushButton>("PhotoNoTrip");
    ASSERT_NE(toggle, nullptr);
    toggle->click();
    ASSERT_TRUE(book_.show(3));
    EXPECT_EQ(window_->shownNames(), names({0, 1})) << "a change of trip leaves the list alone";
    toggle->click();
    EXPECT_TRUE(window_->shownNames().isEmpty()) << "trip 3's photos again";

    delete window_;
    window_ = new PhotosWindow(book_, shelf_, platform_);
    EXPECT_EQ(control<QPushButton>("PhotoNoTrip")->text(), "Photos of &no trip (2)");
    EXPECT_TRUE(everyFileKept());
}

}  // namespace
}  // namespace rodwick::testing
