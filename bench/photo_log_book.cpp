// SPDX-License-Identifier: GPL-3.0-or-later
#include "photo_log_book.h"

#include <QRandomGenerator>
#include <QString>
#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "database_file.h"
#include "photo_shelf.h"
#include "record_book.h"
#include "rodwick_test/sample_photos.h"

namespace rodwick {

QImage photoLike(QSize size, int seed) {
    QImage picture(size, QImage::Format_RGB32);
    QRandomGenerator grain(static_cast<quint32>(seed));
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        const int sky = 80 + 120 * y / size.height();
        for (int x = 0; x < size.width(); ++x) {
            const int g = int(grain.bounded(24)) - 12;
            line[x] = qRgb(qBound(0, sky / 2 + g, 255), qBound(0, sky + g, 255),
                           qBound(0, 255 - sky / 3 + g, 255));
        }
    }
    return picture;
}

QByteArray cameraJpeg(const QImage& picture) {
    return testing::photoBytes(picture, testing::PhotoFormat::Jpeg,
                               {.original = "2023:05:01 06:30:15", .orientation = 6});
}

namespace {

// A benchmark that cannot set up its log book measures nothing: it stops with the reason.
void mustHold(const Status& status, const char* what) {
    if (status.ok()) return;
    std::cerr << what << ": " << status.message() << '\n';
    std::abort();
}

}  // namespace

std::string makePhotoLogBook(const std::string& folder, const std::string& name,
                             const std::vector<TripRecord>& trips, int photosPerTrip,
                             const std::vector<QByteArray>& jpegs) {
    std::filesystem::create_directories(folder);
    const std::string path = folder + "/" + name + ".RWK";
    RecordTable table;
    table.replaceAll(trips);
    mustHold(saveDatabaseFile(path, table), "the log book");
    if (photosPerTrip == 0 || jpegs.empty()) return path;

    // The photos as the user picked them, each file copied in by the shelf.
    const std::string camera = folder + "/camera";
    std::filesystem::create_directories(camera);
    std::vector<std::string> picked;
    for (std::size_t k = 0; k < jpegs.size(); ++k) {
        picked.push_back(camera + "/IMG_" + std::to_string(1000 + k) + ".jpg");
        mustHold(testing::writeFile(QString::fromStdString(picked.back()), jpegs[k])
                     ? Status::success()
                     : Status::fail("cannot be written"),
                 "a photo");
    }
    RecordBook book;
    mustHold(book.load(path), "the log book read back");
    PhotoShelf shelf(book, {.untitled = folder + "/untitled", .backups = folder + "/backups"});
    std::size_t next = 0;
    for (int n = 1; n <= static_cast<int>(trips.size()); ++n) {
        std::vector<PhotoShelf::Picked> these;
        for (int k = 0; k < photosPerTrip; ++k)
            these.push_back({.path = picked[next++ % picked.size()], .taken = std::nullopt});
        const auto added = shelf.addPhotos(n, these);
        mustHold(added.ok() ? Status::success() : Status::fail(added.error()), "the photos");
        mustHold(shelf.setCover(added.value().front(), true), "the cover");
    }
    std::filesystem::remove_all(camera);
    return path;
}

}  // namespace rodwick
