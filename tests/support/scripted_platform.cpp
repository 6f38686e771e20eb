#include "scripted_platform.h"

#include <gtest/gtest.h>

namespace rodwick::testing {

namespace {

template <typename T>
T take(std::deque<T>& queue, const PlatformCall& call, T fallback) {
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

PlatformCall Call(const char* kind, const QString& text = QString(),
                  const QString& title = QString()) {
    PlatformCall call;
    call.kind = QString::fromLatin1(kind);
    call.text = text;
    call.title = title;
    return call;
}

}  // namespace

ScriptedPlatform::~ScriptedPlatform() {
    EXPECT_TRUE(allAnswersUsed()) << "answers were queued that the code never asked for";
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
           fonts_.empty() && modals_.empty();
}

platform::Answer ScriptedPlatform::showMessage(const platform::Message& message) {
    PlatformCall call = Call("message", message.text, message.title);
    call.buttons = message.buttons;
    call.icon = message.icon;
    call.defaultButton = message.defaultButton;
    calls_.push_back(call);
    return take(messages_, call, platform::Answer::Cancel);
}

QString ScriptedPlatform::inputBox(const QString& prompt, const QString& title,
                                   const QString& defaultText) {
    PlatformCall call = Call("input", prompt, title);
    call.defaultText = defaultText;
    calls_.push_back(call);
    return take(inputs_, call, QString());
}

QString ScriptedPlatform::openFileDialog(const platform::FileDialogOptions& options) {
    PlatformCall call = Call("open", QString(), options.title);
    call.fileOptions = options;
    calls_.push_back(call);
    return take(openPaths_, call, QString());
}

QString ScriptedPlatform::saveFileDialog(const platform::FileDialogOptions& options) {
    PlatformCall call = Call("save", QString(), options.title);
    call.fileOptions = options;
    calls_.push_back(call);
    return take(savePaths_, call, QString());
}

QString ScriptedPlatform::fontDialog(const QString& currentFont) {
    PlatformCall call = Call("font", currentFont);
    calls_.push_back(call);
    return take(fonts_, call, QString());
}

void ScriptedPlatform::setPrinterFontName(const QString& fontName) {
    printerFont = fontName;
}

void ScriptedPlatform::setPrinterFontAttribute(platform::FontAttribute attribute, bool on) {
    printedLines.push_back(QStringLiteral("<attribute %1 %2>")
                               .arg(static_cast<int>(attribute))
                               .arg(on ? QStringLiteral("on") : QStringLiteral("off")));
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

void ScriptedPlatform::endPrintJob() {
    ++printJobsEnded;
}

void ScriptedPlatform::clearClipboard() {
    clipboard.clear();
}

void ScriptedPlatform::setClipboardText(const QString& text) {
    clipboard = text;
}

bool ScriptedPlatform::startProgram(const QString& program, const QStringList& arguments) {
    startedPrograms.push_back(QStringList{program} + arguments);
    return startProgramSucceeds && !missingPrograms.contains(program);
}

void ScriptedPlatform::setBusyPointer(bool on) {
    busy = on;
    busyPointerChanges.push_back(on);
}

int ScriptedPlatform::showModal(QDialog& dialog) {
    PlatformCall call = Call("modal", dialog.objectName(), dialog.windowTitle());
    calls_.push_back(call);
    auto driver = take(modals_, call, std::function<int(QDialog&)>());
    return driver ? driver(dialog) : QDialog::Rejected;
}

void ScriptedPlatform::showModeless(QWidget& window) {
    calls_.push_back(Call("modeless", window.objectName(), window.windowTitle()));
    modelessShown.push_back(&window);
}

}  // namespace rodwick::testing
