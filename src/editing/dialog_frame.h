#pragma once

#include <QDialog>
#include <QFont>
#include <QSize>

namespace rodwick {

// The frame every dialog of the editing windows shares: fixed size, a title bar with a close
// box but no minimise or maximise buttons, and the small sans-serif face of the main window's
// captions (a face of the same width stands in where the old system face is missing).
inline void MakeFixedDialog(QDialog& dialog, QSize size) {
    dialog.setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint);
    dialog.setFixedSize(size);
    QFont font = dialog.font();
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Arial"),
                      QStringLiteral("Liberation Sans")});
    font.setPointSize(8);
    dialog.setFont(font);
}

}  // namespace rodwick
