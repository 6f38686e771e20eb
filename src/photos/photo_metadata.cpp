// SPDX-License-Identifier: GPL-3.0-or-later
// The readings themselves are the media module's (media_module.cpp forwards to it).
#include "photo_metadata.h"

#include <QTimeZone>

namespace rodwick::photos {

QDateTime PhotoTime::dateTime() const {
    if (utcOffsetSeconds) return QDateTime(date, time, QTimeZone(*utcOffsetSeconds));
    return QDateTime(date, time);
}

rodwick::PhotoTime PhotoTime::clockTime() const {
    return {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()};
}

}  // namespace rodwick::photos
