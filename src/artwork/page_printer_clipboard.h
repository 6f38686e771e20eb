#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

namespace rodwick {

// The decoration pictures of the output windows, drawn in code.
QPixmap ExportPicture(QSize size);     // a page with an arrow leaving it
QPixmap PrinterPicture(QSize size);    // a printer with a sheet coming out
QPixmap ClipboardPicture(QSize size);  // a clipboard with a sheet on it

}  // namespace rodwick
