// SPDX-License-Identifier: GPL-3.0-or-later
// The photos' folder and index: the index as a person writes it, damaged ones read as far as
// they go, the merge of two versions, the trips' links, new names and the copy of a picked file.
#include "photo_index.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "rodwick_test/store_test_util.h"

namespace rodwick {
inline void PrintTo(const PhotoEntry& photo, std::ostream* out) {
    *out << '{' << photo.name << ", \"" << photo.caption << "\", cover " << photo.cover;
    if (photo.link)
        *out << ", " << photo.link->date << '|' << photo.link->start << '|' << photo.link->venue
             << '|' << photo.link->alike << (photo.gone ? " gone" : "");
    *out << '}';
}
}  // namespace rodwick

namespace rodwick::testing {
namespace {

PhotoEntry photo(std::string name, std::optional<TripLink> link = std::nullopt,
                 std::string caption = "", bool cover = false) {
    PhotoEntry entry;
    entry.name = std::move(name);
    entry.caption = std::move(caption);
    entry.cover = cover;
    entry.link = std::move(link);
    return entry;
}

const TripLink kLake{"06-13-2024", "07:00", "Loch Lomond", 1};
const TripLink kLakeAgain{"06-13-2024", "07:00", "Loch Lomond", 2};
const TripLink kRiver{"06-14-2024", "", "River Test", 1};

TEST(PhotoIndex, FolderBesideTheLogBook) {
    EXPECT_EQ(photoFolderFor("/home/ann/Trips.RWK"), "/home/ann/Trips photos");
    EXPECT_EQ(photoFolderFor("/home/ann/Sea 2024.v2.rwk"), "/home/ann/Sea 2024.v2 photos");
    EXPECT_EQ(photoFolderFor("/home/ann.d/Trips"), "/home/ann.d/Trips photos");
    EXPECT_EQ(photoFolderFor("Trips.RWK"), "Trips photos");
    EXPECT_EQ(photoFolderFor("/home/ann/.RWK"), "/home/ann/.RWK photos");
}

// What a person may write by hand, or another program: the reader takes it.
TEST(PhotoIndex, AHandWrittenIndexReads) {
    const std::string text =
        "Rodwick photo index 1\r\n"
        "# any remark\r\n"
        "\r\n"
        "photo: 20240613-101530-k3f9q2.jpg\r\n"
        "caption: Pike\\tat the bay\\nby the boathouse \\\\ 12 lb\r\n"
        "taken: 06-13-2024 10:15:30\r\n"
        "Cover : yes\r\n"
        "trip date: 06-13-2024\r\n"
        "trip start: 07:00\r\n"
        "trip venue: Lough \xC3\x89rne \xE2\x82\xAC\r\n"
        "trip alike: 2\r\n"
        "\n"
        "photo: swim.png\n"
        "caption:\n"
        "taken: 06-14-2024 09:05\n"
        "trip venue: River Test\n"
        "trip gone: yes\n"
        "photo:no-space.jpg\n";
    const std::vector<PhotoEntry> read = parsePhotoIndex(text);
    ASSERT_EQ(read.size(), 3u);
    EXPECT_EQ(read[0].caption, "Pike\tat the bay\nby the boathouse \\ 12 lb");
    EXPECT_EQ(read[0].taken, (PhotoTime{2024, 6, 13, 10, 15, 30}));
    EXPECT_TRUE(read[0].cover);
    EXPECT_EQ(read[0].link, (TripLink{"06-13-2024", "07:00", "Lough \xC3\x89rne \xE2\x82\xAC", 2}));
    EXPECT_FALSE(read[0].gone);
    EXPECT_EQ(read[1].taken, (PhotoTime{2024, 6, 14, 9, 5, 0})) << "seconds may be left out";
    EXPECT_EQ(read[1].link, (TripLink{"", "", "River Test", 1})) << "the others empty, alike 1";
    EXPECT_TRUE(read[1].gone);
    EXPECT_EQ(read[2].name, "no-space.jpg");
    EXPECT_EQ(parsePhotoIndex(formatPhotoIndex(read)), read);
}

TEST(PhotoIndex, WrittenAndReadAgainIsTheSame) {
    PhotoEntry full = photo("a.jpg", kLake, "tab\there, line\r\nend, back\\slash, \\n typed", true);
    full.taken = PhotoTime{2024, 2, 29, 23, 59, 59};
    PhotoEntry gone = photo("b.JPG", kLakeAgain, " leading and trailing blanks ", true);
    gone.gone = true;
    const std::vector<PhotoEntry> photos = {
        full, gone, photo("c.heic", TripLink{"", "", "", 1}), photo("d.png"),
        photo("e.jpg", TripLink{"x: y", "#7", "caf\xC3\xA9", 250})};
    const std::string text = formatPhotoIndex(photos);
    EXPECT_TRUE(text.starts_with(std::string(kPhotoIndexHeader) + "\n"));
    EXPECT_EQ(text.find_first_of("\t\r"), std::string::npos) << "one line per value, no tab in it";
    EXPECT_EQ(parsePhotoIndex(text), photos);
}

// Each damaged index keeps what can still be read.
TEST(PhotoIndex, ADamagedIndexReadsAsFarAsItGoes) {
    const struct {
        const char* what;
        std::string text;
        std::vector<PhotoEntry> read;
    } kCases[] = {
        {"empty", "", {}},
        {"no header", "photo: a.jpg\n", {photo("a.jpg")}},
        {"cut short in a block", "photo: a.jpg\ncaption: Pi", {photo("a.jpg", {}, "Pi")}},
        {"cut short in a key", "photo: a.jpg\ntrip ven", {photo("a.jpg")}},
        {"lines before the first photo",
         "caption: x\ntrip venue: y\nphoto: a.jpg\n",
         {photo("a.jpg")}},
        {"a line without a colon, an unknown key",
         "photo: a.jpg\nrubbish\nlens: 50mm\ncaption: c\n",
         {photo("a.jpg", {}, "c")}},
        {"a time that cannot be", "photo: a.jpg\ntaken: 02-30-2024 10:00:00\n", {photo("a.jpg")}},
        {"a cover neither yes nor no",
         "photo: a.jpg\ncover: maybe\ntrip venue: v\n",
         {photo("a.jpg", TripLink{"", "", "v", 1})}},
        {"a place among alike trips that is no number",
         "photo: a.jpg\ntrip venue: v\ntrip alike: 0\nphoto: b.jpg\ntrip venue: v\n"
         "trip alike: two\n",
         {photo("a.jpg", TripLink{"", "", "v", 1}), photo("b.jpg", TripLink{"", "", "v", 1})}},
        {"the same photo twice: the first block",
         "photo: a.jpg\ncaption: first\nphoto: a.jpg\ncaption: second\n",
         {photo("a.jpg", {}, "first")}},
        {"names no photo can have",
         "photo: ../Trips.RWK\ncaption: x\nphoto: sub/a.jpg\n"
         "photo: .hidden.jpg\nphoto: photos.txt\nphoto: \n"
         "photo: photos.sync-conflict-20240613-101530-ABCDEF1.txt\n"
         "photo: b.jpg\n",
         {photo("b.jpg")}},
        {"two covers of one trip: the first",
         "photo: a.jpg\ncover: yes\ntrip venue: v\nphoto: b.jpg\ncover: yes\ntrip venue: v\n",
         {photo("a.jpg", TripLink{"", "", "v", 1}, "", true),
          photo("b.jpg", TripLink{"", "", "v", 1})}},
        {"a cover of no trip", "photo: a.jpg\ncover: yes\n", {photo("a.jpg")}},
        {"gone without a trip", "photo: a.jpg\ntrip gone: yes\n", {photo("a.jpg")}},
        {"bytes that are not UTF-8 kept as they are",
         "photo: a.jpg\ncaption: \xA3\xFF\n",
         {photo("a.jpg", {}, "\xA3\xFF")}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(parsePhotoIndex(c.text), c.read);
    }
}

TEST(PhotoIndex, TimesAsTheProgramWritesThem) {
    const struct {
        const char* text;
        std::optional<PhotoTime> read;
    } kCases[] = {
        {"06-13-2024 10:15:30", PhotoTime{2024, 6, 13, 10, 15, 30}},
        {"12-31-1999 23:59", PhotoTime{1999, 12, 31, 23, 59, 0}},
        {"02-29-2000 00:00:00", PhotoTime{2000, 2, 29, 0, 0, 0}},
        {"02-29-1900 00:00:00", std::nullopt},
        {"13-01-2024 10:00:00", std::nullopt},
        {"06-13-2024 24:00:00", std::nullopt},
        {"06-13-2024 10:60:00", std::nullopt},
        {"06-13-2024 10:15:60", std::nullopt},
        {"2024-06-13 10:15:30", std::nullopt},
        {"06-13-2024", std::nullopt},
        {"06-13-2024 10:15:3", std::nullopt},
        {"06-13-2024T10:15:30", std::nullopt},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(readPhotoTime(c.text), c.read);
        if (c.read) {
            EXPECT_EQ(readPhotoTime(formatPhotoTime(*c.read)), c.read);
        }
    }
}

TEST(PhotoIndex, LinksCountTheTripsAlike) {
    // Trips alike in date, start and venue, whatever their other fields; the file's
    // Windows-1252 bytes as UTF-8.
    std::vector<TripRecord> trips =
        tripsWith({Field::Date, Field::StartTime, Field::Venue, Field::Remarks},
                  {{"06-13-2024", "07:00", "Loch \xC9rne \x80", "first"},
                   {"06-13-2024", "07:00", "Loch Lomond", ""},
                   {"06-13-2024", "07:00", "Loch \xC9rne \x80", "second"},
                   {"06-13-2024", "07:30", "Loch \xC9rne \x80", ""},
                   {"06-13-2024", "07:00", "Loch \xC9rne \x80", "third"}});
    const std::string erne = "Loch \xC3\x89rne \xE2\x82\xAC";
    const std::vector<TripLink> expected = {{"06-13-2024", "07:00", erne, 1},
                                            {"06-13-2024", "07:00", "Loch Lomond", 1},
                                            {"06-13-2024", "07:00", erne, 2},
                                            {"06-13-2024", "07:30", erne, 1},
                                            {"06-13-2024", "07:00", erne, 3}};
    EXPECT_EQ(linksOf(trips), expected);
    for (std::size_t n = 0; n < trips.size(); ++n) EXPECT_EQ(linkOf(trips, n), expected[n]);
}

TEST(PhotoIndex, MergeOfTwoVersions) {
    const auto captioned = [](std::string caption) {
        return photo("a.jpg", kLake, std::move(caption));
    };
    PhotoEntry goneA = photo("a.jpg", kLake);
    goneA.gone = true;
    PhotoEntry takenA = photo("a.jpg", kLake);
    takenA.taken = PhotoTime{2024, 6, 13, 10, 0, 0};
    const struct {
        const char* what;
        std::vector<PhotoEntry> base, mine, theirs, merged;
    } kCases[] = {
        {"each side added one: both, mine first",
         {photo("a.jpg")},
         {photo("a.jpg"), photo("m.jpg")},
         {photo("t.jpg"), photo("a.jpg")},
         {photo("a.jpg"), photo("m.jpg"), photo("t.jpg")}},
        {"a caption changed there",
         {captioned("a")},
         {captioned("a")},
         {captioned("T")},
         {captioned("T")}},
        {"a caption changed here",
         {captioned("a")},
         {captioned("M")},
         {captioned("a")},
         {captioned("M")}},
        {"changed on both sides: mine",
         {captioned("a")},
         {captioned("M")},
         {captioned("T")},
         {captioned("M")}},
        {"a cover set there",
         {photo("a.jpg", kLake)},
         {photo("a.jpg", kLake)},
         {photo("a.jpg", kLake, "", true)},
         {photo("a.jpg", kLake, "", true)}},
        {"relinked there, captioned here",
         {captioned("a")},
         {captioned("M")},
         {photo("a.jpg", kRiver, "a")},
         {photo("a.jpg", kRiver, "M")}},
        {"its trip gone there", {photo("a.jpg", kLake)}, {photo("a.jpg", kLake)}, {goneA}, {goneA}},
        {"removed there, left alone here: gone",
         {photo("a.jpg"), photo("b.jpg")},
         {photo("a.jpg"), photo("b.jpg")},
         {photo("b.jpg")},
         {photo("b.jpg")}},
        {"removed here, changed there: kept",
         {captioned("a")},
         {},
         {captioned("T")},
         {captioned("T")}},
        {"no version in common: what says something over what says nothing",
         {},
         {photo("a.jpg"), photo("b.jpg", {}, "mine")},
         {captioned("theirs"), photo("b.jpg", kRiver, "theirs")},
         {captioned("theirs"), photo("b.jpg", kRiver, "mine")}},
        {"no version in common: a time from either",
         {},
         {photo("a.jpg", kLake)},
         {takenA},
         {takenA}},
        {"two covers of one trip come together: mine",
         {photo("a.jpg", kLake), photo("b.jpg", kLake)},
         {photo("a.jpg", kLake, "", true), photo("b.jpg", kLake)},
         {photo("a.jpg", kLake), photo("b.jpg", kLake, "", true)},
         {photo("a.jpg", kLake, "", true), photo("b.jpg", kLake)}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(mergePhotoIndexes(c.base, c.mine, c.theirs), c.merged);
    }
}

TEST(PhotoIndex, TheFolderListsPhotosTheIndexDoesNotName) {
    TempDir dir;
    writeBytes(dir.file(kPhotoIndexName),
               formatPhotoIndex(std::vector<PhotoEntry>{photo("b.jpg", kLake, "named")}));
    for (const char* name :
         {"b.jpg", "c.JPG", "a.heic", "notes.txt", ".hidden.jpg", "Thumbs.db",
          "photos.sync-conflict-20240613-101530-ABCDEF1.txt", ".photos.txt.AbCdEf"})
        writeBytes(dir.file(name), "x");
    std::filesystem::create_directory(dir.file("folder.jpg"));
    const PhotoFolder read = readPhotoFolder(dir.path);
    EXPECT_EQ(read.photos, (std::vector<PhotoEntry>{photo("b.jpg", kLake, "named"), photo("a.heic"),
                                                    photo("c.JPG")}));
    EXPECT_EQ(read.indexBytes, readBytes(dir.file(kPhotoIndexName)));

    const PhotoFolder none = readPhotoFolder(dir.file("missing"));
    EXPECT_TRUE(none.photos.empty());
    EXPECT_EQ(none.indexBytes, std::nullopt);
}

TEST(PhotoIndex, NewNamesAreTheTimeAndARandomPart) {
    const PhotoTime when{2024, 6, 13, 10, 15, 30};
    // 0 is "aaaaaa"; 1 + 36 * 2 is "bcaaaa".
    std::vector<std::uint64_t> draws = {0, 0, 1 + 36 * 2};
    std::size_t next = 0;
    const RandomSource random = [&] { return draws[std::min(next++, draws.size() - 1)]; };
    const auto none = [](const std::string&) { return false; };
    EXPECT_EQ(photoFileName(when, "/media/card/IMG_2041.JPG", random, none),
              "20240613-101530-aaaaaa.JPG");
    EXPECT_EQ(
        photoFileName(when, "/media/card/IMG_2041.jpeg", random,
                      [](const std::string& name) { return name.find("-aaaaaa") != name.npos; }),
        "20240613-101530-bcaaaa.jpeg")
        << "a name the folder holds is drawn again";
    EXPECT_EQ(photoFileName(when, "/media/card.d/scan", random, none), "20240613-101530-bcaaaa");
    EXPECT_EQ(photoFileName(when, "/media/.profile", random, none), "20240613-101530-bcaaaa");
    EXPECT_EQ(photoFileName(when, "odd.j/pg", random, none), "20240613-101530-bcaaaa");

    // A source that always draws the same still ends, with a name of its own.
    std::set<std::string> taken;
    for (int k = 0; k < 20; ++k) {
        const std::string name = photoFileName(
            when, "a.png", random, [&](const std::string& n) { return taken.contains(n); });
        EXPECT_TRUE(taken.insert(name).second) << name;
    }

    // The system's source draws different names.
    std::set<std::string> drawn;
    const RandomSource system = systemRandom();
    for (int k = 0; k < 50; ++k) drawn.insert(photoFileName(when, "a.jpg", system, none));
    EXPECT_EQ(drawn.size(), 50u);
}

TEST(PhotoIndex, APickedFileIsCopiedInWhole) {
    TempDir dir;
    std::string bytes(300'000, '\0');
    for (std::size_t k = 0; k < bytes.size(); ++k) bytes[k] = static_cast<char>(k * 7 % 251);
    writeBytes(dir.file("IMG_1.JPG"), bytes);
    const RandomSource random = [] { return std::uint64_t{0}; };
    const auto none = [](const std::string&) { return false; };
    const PhotoTime when{2024, 6, 13, 10, 15, 30};

    const std::string folder = dir.file("Trips photos");
    Result<std::string> name = copyPhotoIn(dir.file("IMG_1.JPG"), folder, when, random, none);
    ASSERT_TRUE(name.ok()) << name.error();
    EXPECT_EQ(name.value(), "20240613-101530-aaaaaa.JPG");
    EXPECT_EQ(readBytes(folder + "/" + name.value()), bytes);
    EXPECT_EQ(readBytes(dir.file("IMG_1.JPG")), bytes) << "the picked file stays";

    Result<std::string> second = copyPhotoIn(dir.file("IMG_1.JPG"), folder, when, random, none);
    ASSERT_TRUE(second.ok());
    EXPECT_NE(second.value(), name.value()) << "never over a photo there";

    const Result<std::string> missing =
        copyPhotoIn(dir.file("none.jpg"), folder, when, random, none);
    ASSERT_FALSE(missing.ok());
    EXPECT_NE(missing.error().find(std::strerror(ENOENT)), std::string::npos) << missing.error();

    const Result<std::string> full =
        copyPhotoIn(dir.file("IMG_1.JPG"), folder, when, random, none, writeFailsAfter(1000));
    ASSERT_FALSE(full.ok());
    EXPECT_TRUE(full.error().starts_with(folder + "/")) << full.error();
    EXPECT_TRUE(full.error().ends_with(std::strerror(ENOSPC))) << full.error();
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder),
                            std::filesystem::directory_iterator()),
              2)
        << "a failed copy leaves nothing behind";
}

}  // namespace
}  // namespace rodwick::testing
