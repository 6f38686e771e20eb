// SPDX-License-Identifier: GPL-3.0-or-later
#include "media_module.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

#include "heif_files.h"
#include "photo_metadata.h"

namespace rodwick::photos {

namespace {

struct Choice {
    QString file;
    const MediaReading* reading = nullptr;
};

Choice& chosen() {
    static Choice choice;
    return choice;
}

template <typename T>
Result<T> missing() {
    return Result<T>::fail(mediaModuleReady().message());
}

}  // namespace

QString findMediaModule(const QString& programDir) {
    const QString beside = programDir + QStringLiteral("/" RODWICK_MEDIA_MODULE);
    const QString installed =
        programDir + QStringLiteral("/" RODWICK_MEDIA_DIR_FROM_PROGRAM "/" RODWICK_MEDIA_MODULE);
    return QFileInfo::exists(beside) ? beside : installed;
}

MediaModule loadMediaModule(const QString& file) {
    // The library stays loaded for the rest of the run; the object may go.
    QLibrary library(file);
    if (!library.load()) {
        // Some of the loader's reasons name no file.
        const QString error = library.errorString();
        return {nullptr, error.contains(file) ? error : file + QStringLiteral(": ") + error};
    }
    using Entry = const MediaReading* (*)();
    const auto entry = reinterpret_cast<Entry>(library.resolve(RODWICK_MEDIA_ENTRY));
    const MediaReading* reading = entry != nullptr ? entry() : nullptr;
    if (reading == nullptr || reading->version != kMediaReadingVersion) {
        return {nullptr, file + QStringLiteral(" is not a media module of this version")};
    }
    return {reading, QString()};
}

void useMediaModuleFile(const QString& file) {
    chosen().file = file;
}

void useMediaReading(const MediaReading& reading) {
    chosen().reading = &reading;
}

const MediaModule& mediaModule() {
    // A static's first initialisation runs once, the other threads waiting for it.
    static const MediaModule kLoaded = [] {
        const Choice& choice = chosen();
        if (choice.reading != nullptr) return MediaModule{choice.reading, QString()};
        if (!choice.file.isEmpty()) return loadMediaModule(choice.file);
        // A program without a QCoreApplication (a test without windows) is found by its process.
        const QString programDir =
            QCoreApplication::instance() != nullptr
                ? QCoreApplication::applicationDirPath()
                : QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget())
                      .absolutePath();
        return loadMediaModule(findMediaModule(programDir));
    }();
    return kLoaded;
}

Status mediaModuleReady() {
    const MediaModule& module = mediaModule();
    if (module.reading != nullptr) return Status::success();
    return Status::fail("The photo reading module is missing: " + module.error.toStdString());
}

Result<PhotoMetadata> readPhotoMetadata(const QString& path) {
    const MediaModule& module = mediaModule();
    if (module.reading == nullptr) return missing<PhotoMetadata>();
    return module.reading->metadataOfFile(path);
}

Result<PhotoMetadata> readPhotoMetadata(const QByteArray& bytes) {
    const MediaModule& module = mediaModule();
    if (module.reading == nullptr) return missing<PhotoMetadata>();
    return module.reading->metadataOfBytes(bytes);
}

bool isHeif(QByteArrayView head) {
    const MediaModule& module = mediaModule();
    return module.reading != nullptr && module.reading->isHeif(head);
}

Result<QImage> decodeHeif(const QByteArray& bytes, QSize bounds) {
    const MediaModule& module = mediaModule();
    if (module.reading == nullptr) return missing<QImage>();
    return module.reading->decodeHeif(bytes, bounds);
}

Result<QByteArray> heifExif(const QByteArray& bytes) {
    const MediaModule& module = mediaModule();
    if (module.reading == nullptr) return missing<QByteArray>();
    return module.reading->heifExif(bytes);
}

}  // namespace rodwick::photos
