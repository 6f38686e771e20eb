// SPDX-License-Identifier: GPL-3.0-or-later
// The thumbnails of a list of photos made off the window's thread and delivered to it, and the
// loader let go of while it works.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QThread>
#include <map>
#include <memory>

#include "rodwick_test/sample_photos.h"
#include "thumbnail_loader.h"

namespace rodwick::photos {
namespace {

using testing::PhotoFormat;

struct Delivery {
    QImage thumbnail;
    QString reason;
    bool onLoaderThread = false;
};

class ThumbnailLoaderTest : public ::testing::Test {
  protected:
    // Photos of the quadrants, stored on their side as a phone held upright stores them.
    QStringList photos(const QString& name, int count, PhotoFormat format = PhotoFormat::Jpeg) {
        const QByteArray bytes = testing::photoBytes(
            testing::storedAs(testing::quadrants(QSize(800, 600)), 6), format, {.orientation = 6});
        QStringList paths;
        for (int i = 0; i < count; ++i) {
            paths << dir_.filePath(
                QString("%1-%2.%3").arg(name).arg(i).arg(testing::suffixOf(format)));
            EXPECT_TRUE(testing::writeFile(paths.back(), bytes));
        }
        return paths;
    }

    // Records every delivery by index.
    void listen(ThumbnailLoader& loader) {
        QObject::connect(
            &loader, &ThumbnailLoader::thumbnailReady,
            [this, &loader](int index, const QImage& thumbnail, const QString& reason) {
                ++deliveries_;
                received_[index] = {thumbnail, reason, QThread::currentThread() == loader.thread()};
            });
        QObject::connect(&loader, &ThumbnailLoader::finished, [this] { ++finished_; });
    }

    // Runs the event loop until the condition holds or the time is up.
    template <typename Condition>
    bool waitFor(Condition condition, int ms = 20000) {
        QElapsedTimer timer;
        timer.start();
        while (!condition() && timer.elapsed() < ms) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        return condition();
    }
    // Runs the event loop for a while, for anything late to arrive.
    void settle(int ms = 300) {
        waitFor([] { return false; }, ms);
    }

    QTemporaryDir dir_;
    ThumbnailCache cache_{dir_.filePath("cache")};
    std::map<int, Delivery> received_;
    int deliveries_ = 0;
    int finished_ = 0;
};

TEST_F(ThumbnailLoaderTest, DeliversEveryThumbnailOnItsThread) {
    QStringList paths = photos("jpeg", 6);
    paths << photos("heic", 2, PhotoFormat::Heic) << photos("webp", 2, PhotoFormat::WebP);
    paths.insert(3, dir_.filePath("missing.jpg"));
    paths.insert(5, dir_.filePath("damaged.jpg"));
    ASSERT_TRUE(testing::writeFile(paths[5], "\xFF\xD8\xFF not much of a photo"));

    ThumbnailLoader loader(cache_, ThumbnailSize::Normal);
    listen(loader);
    loader.load(paths);
    ASSERT_TRUE(waitFor([&] { return finished_ == 1; }));
    settle();

    EXPECT_EQ(deliveries_, paths.size());
    EXPECT_EQ(finished_, 1);
    EXPECT_EQ(loader.pending(), 0);
    ASSERT_EQ(received_.size(), std::size_t(paths.size()));
    for (const auto& [index, delivery] : received_) {
        SCOPED_TRACE(paths[index].toStdString());
        EXPECT_TRUE(delivery.onLoaderThread);
        if (index == 3 || index == 5) {
            EXPECT_TRUE(delivery.thumbnail.isNull());
            EXPECT_FALSE(delivery.reason.isEmpty());
            continue;
        }
        EXPECT_TRUE(delivery.reason.isEmpty()) << delivery.reason.toStdString();
        EXPECT_EQ(delivery.thumbnail.size(), QSize(128, 96));
        EXPECT_EQ(testing::quadrantColour(delivery.thumbnail, 0), 0);
        EXPECT_EQ(testing::quadrantColour(delivery.thumbnail, 3), 3);
        EXPECT_TRUE(QFile::exists(cache_.fileFor(paths[index], ThumbnailSize::Normal)));
    }

    // Again from the cache, every one of them.
    received_.clear();
    deliveries_ = 0;
    loader.load(paths);
    ASSERT_TRUE(waitFor([&] { return finished_ == 2; }));
    EXPECT_EQ(deliveries_, paths.size());
}

// A new list drops what is still to come of the one before: only the new list's thumbnails
// arrive, each once.
TEST_F(ThumbnailLoaderTest, ANewListDropsTheOld) {
    const QStringList before = photos("before", 40);
    QImage plain(300, 200, QImage::Format_RGB32);
    plain.fill(Qt::cyan);
    QStringList after;
    for (int i = 0; i < 3; ++i) {
        after << dir_.filePath(QString("after-%1.png").arg(i));
        ASSERT_TRUE(testing::writeFile(after.back(), testing::photoBytes(plain, PhotoFormat::Png)));
    }

    ThumbnailLoader loader(std::nullopt, ThumbnailSize::Normal);
    listen(loader);
    loader.load(before);
    ASSERT_TRUE(waitFor([&] { return deliveries_ > 0; }));
    received_.clear();
    deliveries_ = 0;
    loader.load(after);
    EXPECT_EQ(loader.pending(), 3);
    ASSERT_TRUE(waitFor([&] { return finished_ == 1; }));
    settle();

    EXPECT_EQ(deliveries_, 3);
    EXPECT_EQ(finished_, 1);
    for (const auto& [index, delivery] : received_) {
        EXPECT_LT(index, 3);
        EXPECT_EQ(delivery.thumbnail.pixelColor(0, 0), QColor(Qt::cyan)) << index;
    }

    // Cancelled, nothing more comes.
    loader.load(before);
    loader.cancel();
    EXPECT_EQ(loader.pending(), 0);
    deliveries_ = 0;
    settle();
    EXPECT_EQ(deliveries_, 0);
}

// The loader let go of while thumbnails are being made, at once or after the first arrived:
// nothing arrives after, and the threads touch nothing of it (the sanitizer build sees that).
TEST_F(ThumbnailLoaderTest, LetGoOfWhileItWorks) {
    const QStringList paths = photos("photo", 30);
    {
        // A cache of its own, sharing no text with the test's: what the threads read of it
        // after the loader's end would be freed.
        ThumbnailLoader loader(ThumbnailCache(dir_.filePath("own cache")), ThumbnailSize::Large);
        listen(loader);
        loader.load(paths);
    }
    settle();
    EXPECT_EQ(deliveries_, 0);

    auto loader = std::make_unique<ThumbnailLoader>(ThumbnailCache(dir_.filePath("own cache")),
                                                    ThumbnailSize::Large);
    listen(*loader);
    loader->load(paths);
    ASSERT_TRUE(waitFor([&] { return deliveries_ > 0; }));
    loader.reset();
    const int delivered = deliveries_;
    EXPECT_LT(delivered, paths.size());
    settle();
    EXPECT_EQ(deliveries_, delivered);
    EXPECT_EQ(finished_, 0);
}

}  // namespace
}  // namespace rodwick::photos
