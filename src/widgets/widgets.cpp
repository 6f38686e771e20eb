// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets.h"

#include <QCoreApplication>

namespace rodwick {

void showBeside(QWidget& window, const QWidget& main, platform::Platform& platform) {
    const QRect frame = main.frameGeometry();
    const QSize screen = platform.screenSize();
    // The window's frame will be as much larger than its contents as the main window's is.
    const QSize framed = window.size() + frame.size() - main.size();
    if (frame.right() + 8 + framed.width() <= screen.width()) {
        window.move(frame.right() + 8, frame.top());
    } else if (frame.bottom() + 8 + framed.height() <= screen.height()) {
        // Too wide to stand beside it: below it, so that both still stay in sight.
        window.move(frame.left(), frame.bottom() + 8);
    }
    platform.showModeless(window);
}

void centreOnScreen(QWidget& window, const platform::Platform& platform) {
    const QSize screen = platform.screenSize();
    window.move((screen.width() - window.width()) / 2, (screen.height() - window.height()) / 2);
}

QFont captionFont() {
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Arial"),
                      QStringLiteral("Liberation Sans")});
    font.setPointSize(8);
    return font;
}

void makeFixedDialog(QDialog& dialog, QSize size) {
    dialog.setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint);
    dialog.setFixedSize(size);
    dialog.setFont(captionFont());
}

void makeFixedDialog(QDialog& dialog, const char* name, const QString& caption, QSize size) {
    dialog.setObjectName(QString::fromLatin1(name));
    dialog.setWindowTitle(caption);
    makeFixedDialog(dialog, size);
}

QLabel* plainLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}

void onSelect(QRadioButton* option, QObject* context, std::function<void()> handler) {
    QObject::connect(option, &QRadioButton::toggled, context,
                     [handler = std::move(handler)](bool on) {
                         if (on) handler();
                     });
}

void chainTabOrder(std::span<QWidget* const> widgets) {
    for (std::size_t i = 1; i < widgets.size(); ++i) {
        QWidget::setTabOrder(widgets[i - 1], widgets[i]);
    }
}

platform::Message writeFailure(const QString& action, const QString& path, const Status& failed,
                               const QString& aftermath, const QString& title) {
    //: %1 is what failed, as its caller words it ("save the preferences"), %2 the file, %3
    //: the system's reason, %4 where that leaves the user.
    return {QCoreApplication::translate("WriteFailure", "Could not %1 to %2: %3. %4")
                .arg(action, path, QString::fromStdString(failed.message()), aftermath),
            title, platform::Buttons::Ok, platform::Icon::Stop};
}

QString monthDayYear(const QDate& date) {
    return date.toString(QStringLiteral("MM-dd-yyyy"));
}

}  // namespace rodwick
