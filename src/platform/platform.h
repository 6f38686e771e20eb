// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QSize>
#include <QString>
#include <QStringList>

class QDialog;
class QWidget;

namespace rodwick::platform {

enum class Buttons { Ok, OkCancel, AbortRetryIgnore, YesNoCancel, YesNo, RetryCancel };
enum class Icon { None, Stop, Question, Exclamation, Information };
enum class DefaultButton { First, Second, Third };
enum class Answer { Ok, Cancel, Abort, Retry, Ignore, Yes, No };

struct Message {
    QString text;
    QString title;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    DefaultButton defaultButton = DefaultButton::First;
};

struct FileDialogOptions {
    // Pairs of description and pattern separated by '|'; empty for every file.
    QString filter;
    // 1-based index of the preselected pair.
    int filterIndex = 1;
    // Empty for the platform's default title.
    QString title;
    // Appended with a dot to a name typed without an extension; empty for none.
    QString defaultExtension;
};

enum class FontAttribute { Bold, Italic, Underline };

// A report of rows and columns for the printer: the title on the first page, the headings on
// every page, the notes after the last row and "Page N of M" at the foot of each page.
struct PrintedTable {
    QString title;
    QStringList headings;
    QList<QStringList> rows;
    QStringList notes;
};

// Every service of the windowing system the program uses. Windows call only this, so that
// tests can answer each question and see each side effect.
class Platform {
  public:
    virtual ~Platform() = default;

    // Modal message box; returns the button chosen.
    virtual Answer showMessage(const Message& message) = 0;
    // Modal input box; returns the text, empty on Cancel.
    virtual QString inputBox(const QString& prompt, const QString& title,
                             const QString& defaultText) = 0;
    // File dialogs; return the chosen path, empty on Cancel.
    virtual QString openFileDialog(const FileDialogOptions& options) = 0;
    virtual QString saveFileDialog(const FileDialogOptions& options) = 0;
    // An open dialog in which several files may be chosen at once; empty on Cancel.
    virtual QStringList openFilesDialog(const FileDialogOptions& options) = 0;
    // Font dialog; returns the chosen family name, empty on Cancel.
    virtual QString fontDialog(const QString& currentFont) = 0;

    // The default printer used as a line printer: start a job, print lines, end the job.
    // Starting and printing return false when the printer failed (there is none, it is off
    // line or refuses the job); the same call may then be tried again. Starting while a job
    // is open goes on with that job.
    virtual void setPrinterFontName(const QString& fontName) = 0;
    virtual QString printerFontName() const = 0;
    virtual void setPrinterFontAttribute(FontAttribute attribute, bool on) = 0;
    virtual bool startPrintJob() = 0;
    virtual bool printLine(const QString& line) = 0;
    virtual void endPrintJob() = 0;
    // Prints a report as one job of its own, in the printer's font; false when the printer
    // failed.
    virtual bool printTable(const PrintedTable& table) = 0;

    virtual void clearClipboard() = 0;
    virtual void setClipboardText(const QString& text) = 0;

    // Starts a program without waiting for it; false when it could not be started.
    virtual bool startProgram(const QString& program, const QStringList& arguments) = 0;

    virtual QDateTime now() const = 0;
    virtual QSize screenSize() const = 0;
    // The application's busy (true) or normal (false) mouse pointer.
    virtual void setBusyPointer(bool busy) = 0;
    // UTF-8 directory of the executable, without a trailing separator.
    virtual QString programDirectory() const = 0;

    // Our own windows: modal returns the dialog's result code, modeless returns at once.
    virtual int showModal(QDialog& dialog) = 0;
    virtual void showModeless(QWidget& window) = 0;
    // True while a modal window waits for the user (a message box, a file dialog, one of our
    // own): what the records looked like when it opened must not change under it.
    virtual bool modalOpen() const = 0;
};

}  // namespace rodwick::platform
