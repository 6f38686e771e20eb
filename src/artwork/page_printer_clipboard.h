// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

namespace rodwick {

// The decoration pictures of the output windows, drawn in code.
QPixmap exportPicture(QSize size);     // a page with an arrow leaving it
QPixmap printerPicture(QSize size);    // a printer with a sheet coming out
QPixmap clipboardPicture(QSize size);  // a clipboard with a sheet on it

}  // namespace rodwick
