#pragma once

#include <QDialog>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace rodwick {

// The decoration pictures of the output windows, drawn in code.
QPixmap ExportPicture(QSize size);     // a page with an arrow leaving it
QPixmap PrinterPicture(QSize size);    // a printer with a sheet coming out
QPixmap ClipboardPicture(QSize size);  // a clipboard with a sheet on it

// A fixed-size dialog with a title bar and close box only.
void SetUpFixedDialog(QDialog& dialog, const char* name, const QString& caption, QSize size);

}  // namespace rodwick
