#pragma once

#include <QFont>
#include <QPixmap>

class QDialog;

namespace rodwick {

// The finding dialogs' frame: a fixed size, a title bar with only the close box.
void MakeFixedDialog(QDialog& dialog, int width, int height);
// The caption font of the dialogs, as in the main window.
QFont DialogFont();

// The dialogs' decorative pictures, drawn in code.
// A pair of binoculars, for the search.
QPixmap BinocularsPicture(int side);
// A numbered list with a pointer at one line, for the goto list.
QPixmap ListPicture(int side);

}  // namespace rodwick
