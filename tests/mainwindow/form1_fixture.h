#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QScrollBar>
#include <QTemporaryDir>
#include <stdexcept>
#include <string>
#include <vector>

#include "app_state.h"
#include "form1.h"
#include "scripted_platform.h"
#include "store_test_util.h"

namespace rodwick::testing {

// Value labels in the order of the record's fields.
inline const char* const kValueLabelNames[kFieldCount] = {
    "obVen",   "ObType",   "ObDay",    "ObClub",   "ObWeighta", "ObWeightb", "ObWater", "ObWeather",
    "ObTemp",  "ObMethod", "ObDepthA", "ObDepthB", "ObBait",    "ObSpec",    "ObName",  "ObBestA",
    "ObBestB", "ObRest",   "ObInfo",   "ObDat",    "ObTime1",   "ObTime2"};

// The texts of the six unit labels of a main window.
inline QStringList UnitTexts(const QWidget& window) {
    QStringList texts;
    for (const char* name : {"mesw1", "mesw2", "mesw3", "mesw4", "mesl1", "mesl2"}) {
        texts << window.findChild<QLabel*>(name)->text();
    }
    return texts;
}

// A message as "title | text | buttons icon default", to compare in one go.
inline std::string Describe(const PlatformCall& call) {
    return call.title.toStdString() + " | " + call.text.toStdString() + " | " +
           std::to_string(static_cast<int>(call.buttons)) + " " +
           std::to_string(static_cast<int>(call.icon)) + " " +
           std::to_string(static_cast<int>(call.defaultButton));
}
inline std::string Describe(
    const QString& title, const QString& text, platform::Buttons buttons, platform::Icon icon,
    platform::DefaultButton defaultButton = platform::DefaultButton::First) {
    return Describe({"message", text, title, buttons, icon, defaultButton, {}, {}});
}

class Form1Test : public ::testing::Test {
  protected:
    Form1Test() : window(state, platform) {}

    // Puts n trips into the table the way a load does, and redraws.
    void Hold(int n) {
        ASSERT_TRUE(state.table.ReplaceFromFile(Trips(1, n)));
        window.SetRecordCommands(n > 0);
        window.ShowCurrentRecord();
    }

    std::string PathOf(const std::string& name) const {
        return dir.filePath(QString::fromStdString(name)).toStdString();
    }
    // Writes a database of trips first..last and returns its path.
    std::string WriteDatabase(const std::string& name, int first, int last) {
        WriteBytes(PathOf(name), DatabaseBytes(Trips(first, last)));
        return PathOf(name);
    }
    // Loads a file the way the start-up does.
    void LoadAtStart(const std::string& path) {
        state.table.setCurrentFileName(path);
        window.LoadDatabase();
    }

    template <typename T = QWidget>
    T* Find(const char* name) {
        T* found = window.findChild<T*>(QString::fromLatin1(name));
        if (found == nullptr) throw std::runtime_error(std::string("no child named ") + name);
        return found;
    }
    QString Text(const char* name) { return Find<QLabel>(name)->text(); }
    QAction* Action(const char* name) { return Find<QAction>(name); }
    QScrollBar* Chrec() { return Find<QScrollBar>("chrec"); }

    // The position line, current record, scroll bar and the 22 values the view shows...
    std::string Shown() {
        std::string shown = Text("total").toStdString() + " | " +
                            std::to_string(state.table.currentRecord()) + " | " +
                            std::to_string(Chrec()->value());
        for (const char* name : kValueLabelNames) shown += " | " + Text(name).toStdString();
        return shown;
    }
    // ...and what they must be while record k of count, trip k unless told, is shown.
    static std::string Showing(int k, int count, int trip = 0) {
        std::string shown = "Record " + std::to_string(k) + " of " + std::to_string(count) + " | " +
                            std::to_string(k) + " | " + std::to_string(k);
        for (const std::string& field : Tagged("r" + std::to_string(trip ? trip : k)).fields)
            shown += " | " + field;
        return shown;
    }

    // Which of the two states the record area is in: "panel" or "notice", never both.
    std::string Area() {
        return std::string(Find("Frame1")->isVisibleTo(&window) ? "panel" : "") +
               (Find("Label25")->isVisibleTo(&window) ? "notice" : "");
    }
    // The title, file name, records held, area and opened-files list in one line...
    std::string Window() {
        return window.windowTitle().toStdString() + " | " + state.table.currentFileName() + " | " +
               std::to_string(state.table.recordCount()) + " " + Area() + " | " +
               window.fileListCaptions().join(' ').toStdString();
    }
    // ...and what they must be, for a window titled "Rodwick DB: <title>".
    static std::string WindowOf(const std::string& title, const std::string& name, int count,
                                const std::string& list = "") {
        return "Rodwick DB: " + title + " | " + name + " | " + std::to_string(count) +
               (count > 0 ? " panel | " : " notice | ") + list;
    }

    // The pointer came back from busy as often as it went busy, and is normal now.
    void ExpectPointerNormal() {
        EXPECT_FALSE(platform.busy);
        int depth = 0;
        for (bool busy : platform.busyPointerChanges) depth += busy ? 1 : -1;
        EXPECT_EQ(depth, 0);
    }

    QTemporaryDir dir;
    AppState state;
    ScriptedPlatform platform;
    form1 window;
};

}  // namespace rodwick::testing
