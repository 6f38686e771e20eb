// SPDX-License-Identifier: GPL-3.0-or-later
#include "box_text.h"

#include <QPlainTextEdit>
#include <QTextDocument>

namespace rodwick {

QString lineBreaksToBlanks(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    for (const QChar lineBreak : {QChar(u'\r'), QChar(u'\n'), QChar(QChar::LineSeparator),
                                  QChar(QChar::ParagraphSeparator)}) {
        text.replace(lineBreak, QLatin1Char(' '));
    }
    return text;
}

QString multiLineText(const QPlainTextEdit& box) {
    QString text = box.document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

}  // namespace rodwick
