// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <string>
#include <vector>

#include "record_table.h"

namespace rodwick {

// A picture a JPEG encoder finds about as much to keep in as in a photo: a sky's gradient
// under fine grain. `seed` varies the grain.
QImage photoLike(QSize size, int seed = 12);

// A JPEG of the picture as a camera leaves it: a recorded time, stored on its side.
QByteArray cameraJpeg(const QImage& picture);

// Writes the trips as the log book `folder/NAME.RWK` and adds `photosPerTrip` photos to each
// trip through the program's own photo shelf, so that its folder and index are what the program
// writes; the photos are copies of the JPEGs given, taken in turn. The log book's path.
std::string makePhotoLogBook(const std::string& folder, const std::string& name,
                             const std::vector<TripRecord>& trips, int photosPerTrip,
                             const std::vector<QByteArray>& jpegs);

}  // namespace rodwick
