// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFileDialog>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "platform.h"

class QPainter;
class QPrinter;

namespace rodwick::platform {

// The message box for a question, built but not shown: the exact text as plain text, the
// title, the button set, its icon, the default button and the button Escape presses.
std::unique_ptr<QMessageBox> makeMessageBox(const Message& message, QWidget* parent = nullptr);
// The answer a button of a message box stands for; Cancel for anything else.
Answer answerFor(QMessageBox::StandardButton button);

// Qt name filters for a "description|pattern|description|pattern" filter list. Descriptions
// stay as written; one that does not already end with its patterns in brackets gets them
// appended, since Qt reads the patterns from there.
QStringList nameFilters(const QString& filter);

// The file dialog for the options, built but not shown. Both kinds accept any typed name:
// the commands check for existing files themselves, so the dialog neither insists that the
// file exists nor asks before overwriting. Name filters match regardless of letter case.
std::unique_ptr<QFileDialog> makeFileDialog(const FileDialogOptions& options, bool save,
                                            QWidget* parent = nullptr);

// The platform on Qt Widgets.
class QtPlatform : public Platform {
  public:
    // Gives the printer of a new print job, or null when there is none.
    using PrinterFactory = std::function<std::unique_ptr<QPrinter>()>;

    // Prints on the system's default printer.
    QtPlatform();
    explicit QtPlatform(PrinterFactory makePrinter);
    ~QtPlatform() override;

    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    Answer showMessage(const Message& message) override;
    QString inputBox(const QString& prompt, const QString& title,
                     const QString& defaultText) override;
    QString openFileDialog(const FileDialogOptions& options) override;
    QString saveFileDialog(const FileDialogOptions& options) override;
    QStringList openFilesDialog(const FileDialogOptions& options) override;
    QString fontDialog(const QString& currentFont) override;

    void setPrinterFontName(const QString& fontName) override;
    QString printerFontName() const override { return printerFontName_; }
    void setPrinterFontAttribute(FontAttribute attribute, bool on) override;
    bool startPrintJob() override;
    bool printLine(const QString& line) override;
    void endPrintJob() override;
    bool printTable(const PrintedTable& table) override;

    void clearClipboard() override;
    void setClipboardText(const QString& text) override;

    bool startProgram(const QString& program, const QStringList& arguments) override;

    QDateTime now() const override;
    QSize screenSize() const override;
    void setBusyPointer(bool busy) override;
    QString programDirectory() const override;

    int showModal(QDialog& dialog) override;
    void showModeless(QWidget& window) override;
    bool modalOpen() const override;

  private:
    QFont printerFont() const;
    QString runFileDialog(const FileDialogOptions& options, bool save);

    PrinterFactory makePrinter_;
    QString printerFontName_;
    bool bold_ = false;
    bool italic_ = false;
    bool underline_ = false;

    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> painter_;
    int lineTop_ = 0;

    bool busy_ = false;
};

}  // namespace rodwick::platform
