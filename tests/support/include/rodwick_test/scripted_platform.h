// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>
#include <deque>
#include <functional>
#include <ostream>
#include <set>
#include <vector>

#include "platform.h"

// Readable QStrings in test failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace rodwick::testing {

// One call the code under test made to the platform.
struct PlatformCall {
    QString kind = {};  // "message", "input", "open", "open files", "save", "font", "modal", ...
    QString text = {};  // message text, prompt, current font, or the dialog's object name
    QString title = {};
    platform::Buttons buttons = platform::Buttons::Ok;
    platform::Icon icon = platform::Icon::None;
    platform::DefaultButton defaultButton = platform::DefaultButton::First;
    platform::FileDialogOptions fileOptions = {};
    QString defaultText = {};  // an input box's default answer
};

// A platform that records every call and answers questions from queues filled by the test.
// A question nobody queued an answer for, and an answer nobody asked for, fail the test.
class ScriptedPlatform : public platform::Platform {
  public:
    ~ScriptedPlatform() override;

    // Answers, consumed in order.
    void answerMessage(platform::Answer answer) { messages_.push_back(answer); }
    void answerInput(const QString& text) { inputs_.push_back(text); }
    void answerOpenDialog(const QString& path) { openPaths_.push_back(path); }
    void answerSaveDialog(const QString& path) { savePaths_.push_back(path); }
    void answerOpenFilesDialog(const QStringList& paths) { openFiles_.push_back(paths); }
    void answerFontDialog(const QString& family) { fonts_.push_back(family); }
    // Drives a modal dialog of our own and returns its result code.
    void answerModal(std::function<int(QDialog&)> driver) { modals_.push_back(std::move(driver)); }

    // The calls so far, oldest first: all of them, or those of one kind.
    const std::vector<PlatformCall>& calls() const { return calls_; }
    std::vector<PlatformCall> callsOf(const QString& kind) const;
    std::vector<PlatformCall> messages() const { return callsOf(QStringLiteral("message")); }
    void clearCalls() { calls_.clear(); }
    bool allAnswersUsed() const;

    // Side effects, for inspection.
    std::vector<bool> busyPointerChanges;
    bool busy = false;
    QString printerFont;
    std::vector<QString> printedLines;
    int printJobsStarted = 0;
    int printJobsEnded = 0;
    // Numbers, counted from 1 over startPrintJob and printLine calls together, of the calls
    // that fail; a failed line is not printed.
    std::set<int> failingPrinterCalls;
    int printerCalls = 0;
    std::vector<platform::PrintedTable> printedTables;
    QString clipboard;
    std::vector<QStringList> startedPrograms;
    QStringList missingPrograms;  // programs that cannot be started
    QDateTime clock = QDateTime(QDate(2001, 4, 14), QTime(9, 13, 17));
    QSize screen = QSize(1024, 768);
    QString programDir;
    std::vector<QWidget*> modelessShown;

    platform::Answer showMessage(const platform::Message& message) override;
    QString inputBox(const QString& prompt, const QString& title,
                     const QString& defaultText) override;
    QString openFileDialog(const platform::FileDialogOptions& options) override;
    QString saveFileDialog(const platform::FileDialogOptions& options) override;
    QStringList openFilesDialog(const platform::FileDialogOptions& options) override;
    QString fontDialog(const QString& currentFont) override;
    void setPrinterFontName(const QString& fontName) override { printerFont = fontName; }
    QString printerFontName() const override { return printerFont; }
    bool printTable(const platform::PrintedTable& table) override;
    void setPrinterFontAttribute(platform::FontAttribute attribute, bool on) override;
    bool startPrintJob() override;
    bool printLine(const QString& line) override;
    void endPrintJob() override { ++printJobsEnded; }
    void clearClipboard() override { clipboard.clear(); }
    void setClipboardText(const QString& text) override { clipboard = text; }
    bool startProgram(const QString& program, const QStringList& arguments) override;
    QDateTime now() const override { return clock; }
    QSize screenSize() const override { return screen; }
    void setBusyPointer(bool on) override { busyPointerChanges.push_back(busy = on); }
    QString programDirectory() const override { return programDir; }
    int showModal(QDialog& dialog) override;
    void showModeless(QWidget& window) override;
    // True while a dialog's driver runs, as the real one is while its dialog waits.
    bool modalOpen() const override { return modalDepth_ > 0; }

  private:
    // Records the call and takes the next answer queued for it.
    template <typename T>
    T ask(std::deque<T>& queue, PlatformCall call, T fallback);

    std::vector<PlatformCall> calls_;
    std::deque<platform::Answer> messages_;
    std::deque<QString> inputs_;
    std::deque<QString> openPaths_;
    std::deque<QString> savePaths_;
    std::deque<QStringList> openFiles_;
    std::deque<QString> fonts_;
    std::deque<std::function<int(QDialog&)>> modals_;
    int modalDepth_ = 0;
};

}  // namespace rodwick::testing
