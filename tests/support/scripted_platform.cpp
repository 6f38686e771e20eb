// SPDX-License-Identifier: GPL-3.0-or-later
#include "rodwick_test/scripted_platform.h"

#include <gtest/gtest.h>

namespace rodwick::testing {

ScriptedPlatform::~ScriptedPlatform() {
    EXPECT_TRUE(allAnswersUsed()) << "answers were queued that the code never asked for";
}

template <typename T>
T ScriptedPlatform::ask(std::deque<T>& queue, PlatformCall call, T fallback) {
    calls_.push_back(call);
    if (queue.empty()) {
        ADD_FAILURE() << "unexpected " << call.kind.toStdString() << ": \""
                      << call.text.toStdString() << "\" (title \"" << call.title.toStdString()
                      << "\")";
        return fallback;
    }
    T value = std::move(queue.front());
    queue.pop_front();
    return value;
}

std::vector<PlatformCall> ScriptedPlatform::callsOf(const QString& kind) const {
    std::vector<PlatformCall> out;
    for (const auto& call : calls_) {
        if (call.kind == kind) out.push_back(call);
    }
    return out;
}

bool ScriptedPlatform::allAnswersUsed() const {
    return messages_.empty() && inputs_.empty() && openPaths_.empty() && savePaths_.empty() &&
           openFiles_.empty() && fonts_.empty() && modals_.empty();
}

platform::Answer ScriptedPlatform::showMessage(const platform::Message& m) {
    return ask(messages_, {"message", m.text, m.title, m.buttons, m.icon, m.defaultButton},
               platform::Answer::Cancel);
}

QString ScriptedPlatform::inputBox(const QString& prompt, const QString& title,
                                   const QString& defaultText) {
    return ask(inputs_,
               {.kind = "input", .text = prompt, .title = title, .defaultText = defaultText},
               QString());
}

QString ScriptedPlatform::openFileDialog(const platform::FileDialogOptions& options) {
    return ask(openPaths_, {.kind = "open", .title = options.title, .fileOptions = options},
               QString());
}

QStringList ScriptedPlatform::openFilesDialog(const platform::FileDialogOptions& options) {
    return ask(openFiles_, {.kind = "open files", .title = options.title, .fileOptions = options},
               QStringList());
}

QString ScriptedPlatform::saveFileDialog(const platform::FileDialogOptions& options) {
    return ask(savePaths_, {.kind = "save", .title = options.title, .fileOptions = options},
               QString());
}

QString ScriptedPlatform::fontDialog(const QString& currentFont) {
    return ask(fonts_, {.kind = "font", .text = currentFont}, QString());
}

void ScriptedPlatform::setPrinterFontAttribute(platform::FontAttribute attribute, bool on) {
    printedLines.push_back(QStringLiteral("<attribute %1 %2>")
                               .arg(static_cast<int>(attribute))
                               .arg(on ? "on" : "off"));
}

bool ScriptedPlatform::startPrintJob() {
    if (failingPrinterCalls.count(++printerCalls) != 0) return false;
    ++printJobsStarted;
    return true;
}

bool ScriptedPlatform::printLine(const QString& line) {
    if (failingPrinterCalls.count(++printerCalls) != 0) return false;
    printedLines.push_back(line);
    return true;
}

bool ScriptedPlatform::printTable(const platform::PrintedTable& table) {
    if (failingPrinterCalls.count(++printerCalls) != 0) return false;
    printedTables.push_back(table);
    return true;
}

bool ScriptedPlatform::startProgram(const QString& program, const QStringList& arguments) {
    startedPrograms.push_back(QStringList{program} + arguments);
    return !missingPrograms.contains(program);
}

int ScriptedPlatform::showModal(QDialog& dialog) {
    auto driver = ask(modals_, {"modal", dialog.objectName(), dialog.windowTitle()},
                      std::function<int(QDialog&)>());
    if (!driver) return QDialog::Rejected;
    ++modalDepth_;
    const int result = driver(dialog);
    --modalDepth_;
    return result;
}

void ScriptedPlatform::showModeless(QWidget& window) {
    calls_.push_back({"modeless", window.objectName(), window.windowTitle()});
    modelessShown.push_back(&window);
}

}  // namespace rodwick::testing
