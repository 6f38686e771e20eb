// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_platform.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QFontDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScreen>
#include <limits>
#include <vector>

namespace rodwick::platform {

namespace {

using SB = QMessageBox::StandardButton;

// The buttons of each set in the order the user reads them, which is the order the default
// button counts in.
std::vector<SB> buttonsOf(Buttons buttons) {
    switch (buttons) {
        case Buttons::Ok:
            return {SB::Ok};
        case Buttons::OkCancel:
            return {SB::Ok, SB::Cancel};
        case Buttons::AbortRetryIgnore:
            return {SB::Abort, SB::Retry, SB::Ignore};
        case Buttons::YesNoCancel:
            return {SB::Yes, SB::No, SB::Cancel};
        case Buttons::YesNo:
            return {SB::Yes, SB::No};
        case Buttons::RetryCancel:
            return {SB::Retry, SB::Cancel};
    }
    return {SB::Ok};
}

// Escape (and closing the box) backs out: Cancel where there is one, otherwise No, otherwise
// Abort; a lone Ok is simply acknowledged.
SB escapeButtonOf(Buttons buttons) {
    switch (buttons) {
        case Buttons::Ok:
            return SB::Ok;
        case Buttons::AbortRetryIgnore:
            return SB::Abort;
        case Buttons::YesNo:
            return SB::No;
        case Buttons::OkCancel:
        case Buttons::YesNoCancel:
        case Buttons::RetryCancel:
            return SB::Cancel;
    }
    return SB::Cancel;
}

QMessageBox::Icon iconOf(Icon icon) {
    switch (icon) {
        case Icon::None:
            return QMessageBox::NoIcon;
        case Icon::Stop:
            return QMessageBox::Critical;
        case Icon::Question:
            return QMessageBox::Question;
        case Icon::Exclamation:
            return QMessageBox::Warning;
        case Icon::Information:
            return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

std::size_t indexOf(DefaultButton button) {
    switch (button) {
        case DefaultButton::First:
            return 0;
        case DefaultButton::Second:
            return 1;
        case DefaultButton::Third:
            return 2;
    }
    return 0;
}

// The patterns Qt reads from the end of a name filter, as in "Text (*.txt *.asc)".
QStringList bracketedPatterns(const QString& description) {
    static const QRegularExpression kTail(QStringLiteral("\\(([^()]*)\\)\\s*$"));
    const QRegularExpressionMatch match = kTail.match(description);
    if (!match.hasMatch()) return {};
    return match.captured(1).split(QRegularExpression(QStringLiteral("[\\s;]+")),
                                   Qt::SkipEmptyParts);
}

bool samePatterns(const QStringList& a, const QStringList& b) {
    if (a.size() != b.size()) return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i].compare(b[i], Qt::CaseInsensitive) != 0) return false;
    }
    return true;
}

// The window a platform dialog belongs to, so that it opens over the program's windows.
QWidget* dialogParent() {
    return QApplication::activeWindow();
}

}  // namespace

std::unique_ptr<QMessageBox> makeMessageBox(const Message& message, QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(parent);
    box->setTextFormat(Qt::PlainText);
    box->setText(message.text);
    box->setWindowTitle(message.title);
    box->setIcon(iconOf(message.icon));

    const std::vector<SB> buttons = buttonsOf(message.buttons);
    QMessageBox::StandardButtons set;
    for (SB button : buttons) set |= button;
    box->setStandardButtons(set);

    // A default beyond the set falls back to the first button.
    std::size_t index = indexOf(message.defaultButton);
    if (index >= buttons.size()) index = 0;
    box->setDefaultButton(buttons[index]);
    box->setEscapeButton(escapeButtonOf(message.buttons));
    return box;
}

Answer answerFor(QMessageBox::StandardButton button) {
    switch (button) {
        case SB::Ok:
            return Answer::Ok;
        case SB::Abort:
            return Answer::Abort;
        case SB::Retry:
            return Answer::Retry;
        case SB::Ignore:
            return Answer::Ignore;
        case SB::Yes:
            return Answer::Yes;
        case SB::No:
            return Answer::No;
        default:
            return Answer::Cancel;
    }
}

QStringList nameFilters(const QString& filter) {
    QStringList result;
    if (filter.isEmpty()) return result;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString& description = parts[i];
        const QStringList patterns = i + 1 < parts.size()
                                         ? parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)
                                         : QStringList();
        if (patterns.isEmpty() || samePatterns(bracketedPatterns(description), patterns)) {
            result << description;
        } else {
            result << description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                          QLatin1Char(')');
        }
    }
    return result;
}

std::unique_ptr<QFileDialog> makeFileDialog(const FileDialogOptions& options, bool save,
                                            QWidget* parent) {
    auto dialog = std::make_unique<QFileDialog>(parent);
    // Qt's own dialog behaves the same on every desktop, and its filters can be told to
    // ignore letter case: database files come with ".RWK" and ".rwk" alike.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    dialog->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::AnyFile);
    // Before the name filters: the model builds its matchers when they are set.
    dialog->setFilter(dialog->filter() & ~QDir::CaseSensitive);

    const QStringList filters = nameFilters(options.filter);
    if (!filters.isEmpty()) {
        dialog->setNameFilters(filters);
        const qsizetype index = options.filterIndex - 1;
        dialog->selectNameFilter(filters[index >= 0 && index < filters.size() ? index : 0]);
    }
    if (!options.title.isEmpty()) dialog->setWindowTitle(options.title);
    dialog->setDefaultSuffix(options.defaultExtension);
    return dialog;
}

Answer QtPlatform::showMessage(const Message& message) {
    auto box = makeMessageBox(message, dialogParent());
    return answerFor(static_cast<SB>(box->exec()));
}

QString QtPlatform::inputBox(const QString& prompt, const QString& title,
                             const QString& defaultText) {
    QInputDialog dialog(dialogParent());
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setInputMode(QInputDialog::TextInput);
    // A stored field can be longer than a line box's usual limit of 32767 characters, and an
    // answer confirmed unchanged must be stored whole. The limit goes before the text is set.
    if (auto* line = dialog.findChild<QLineEdit*>()) {
        line->setMaxLength(std::numeric_limits<int>::max());
    }
    dialog.setTextValue(defaultText);
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

QString QtPlatform::runFileDialog(const FileDialogOptions& options, bool save) {
    auto dialog = makeFileDialog(options, save, dialogParent());
    if (dialog->exec() != QDialog::Accepted) return {};
    const QStringList files = dialog->selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

QString QtPlatform::openFileDialog(const FileDialogOptions& options) {
    return runFileDialog(options, false);
}

QString QtPlatform::saveFileDialog(const FileDialogOptions& options) {
    return runFileDialog(options, true);
}

QStringList QtPlatform::openFilesDialog(const FileDialogOptions& options) {
    auto dialog = makeFileDialog(options, false, dialogParent());
    dialog->setFileMode(QFileDialog::ExistingFiles);
    return dialog->exec() == QDialog::Accepted ? dialog->selectedFiles() : QStringList();
}

QString QtPlatform::fontDialog(const QString& currentFont) {
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, QFont(currentFont, 8), dialogParent());
    return ok ? font.family() : QString();
}

QDateTime QtPlatform::now() const {
    return QDateTime::currentDateTime();
}

QSize QtPlatform::screenSize() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize();
}

void QtPlatform::setBusyPointer(bool busy) {
    // One override of ours at most, so that a single call to normal always undoes it.
    if (busy == busy_) return;
    busy_ = busy;
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

QString QtPlatform::programDirectory() const {
    return QCoreApplication::applicationDirPath();
}

int QtPlatform::showModal(QDialog& dialog) {
    return dialog.exec();
}

void QtPlatform::showModeless(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
    // A question still waiting for its answer (a recovery offer at start-up, when the splash
    // hands over to the main window) stays in front of the window that appeared meanwhile.
    QWidget* waiting = QApplication::activeModalWidget();
    if (waiting && waiting != &window && !waiting->isAncestorOf(&window)) {
        waiting->raise();
        waiting->activateWindow();
    }
}

bool QtPlatform::modalOpen() const {
    return QApplication::activeModalWidget() != nullptr;
}

}  // namespace rodwick::platform
