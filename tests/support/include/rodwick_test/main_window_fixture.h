// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QScrollBar>
#include <stdexcept>
#include <string>

#include "main_window.h"
#include "record_book.h"
#include "rodwick_test/scripted_platform.h"
#include "rodwick_test/store_test_util.h"

namespace rodwick::testing {

// Value labels in the order of the record's fields.
inline const char* const kValueLabelNames[kFieldCount] = {
    "obVen",   "ObType",   "ObDay",    "ObClub",   "ObWeighta", "ObWeightb", "ObWater", "ObWeather",
    "ObTemp",  "ObMethod", "ObDepthA", "ObDepthB", "ObBait",    "ObSpec",    "ObName",  "ObBestA",
    "ObBestB", "ObRest",   "ObInfo",   "ObDat",    "ObTime1",   "ObTime2"};

// The texts of the six unit labels of a main window.
inline QStringList unitTexts(const QWidget& window) {
    QStringList texts;
    for (const char* name : {"mesw1", "mesw2", "mesw3", "mesw4", "mesl1", "mesl2"}) {
        texts << window.findChild<QLabel*>(name)->text();
    }
    return texts;
}

// The child of a widget named so; a missing one fails the test with its name.
template <typename T = QWidget>
T* child(const QWidget& parent, const char* name) {
    T* found = parent.findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr) throw std::runtime_error(std::string("no child named ") + name);
    return found;
}

// A message as "title | text | buttons icon default", to compare in one go.
inline std::string describe(const platform::Message& m) {
    return m.title.toStdString() + " | " + m.text.toStdString() + " | " +
           ::testing::PrintToString(m.buttons) + " " + ::testing::PrintToString(m.icon) + " " +
           ::testing::PrintToString(m.defaultButton);
}
inline std::string describe(const PlatformCall& c) {
    return describe(platform::Message{c.text, c.title, c.buttons, c.icon, c.defaultButton});
}

class MainWindowTest : public ::testing::Test {
  protected:
    MainWindowTest() : window_(book_, platform_) {}

    // Puts n trips into the table the way a load does, and shows record `shown` of them.
    void hold(int n, int shown = 1) {
        ASSERT_TRUE(book_.replaceRecords(trips(1, n)).ok());
        if (n > 0) {
            ASSERT_TRUE(book_.show(shown));
        }
    }

    // Writes a database of trips first..last and returns its path.
    std::string writeDatabase(const std::string& name, int first, int last) {
        writeBytes(dir_.file(name), databaseBytes(trips(first, last)));
        return dir_.file(name);
    }

    template <typename T = QWidget>
    T* find(const char* name) {
        return child<T>(window_, name);
    }
    QString text(const char* name) { return find<QLabel>(name)->text(); }
    QAction* action(const char* name) { return find<QAction>(name); }
    QScrollBar* recordScrollBar() { return find<QScrollBar>("chrec"); }

    // The position line, current record, scroll bar and the 22 values the view shows...
    std::string viewText() {
        std::string shown = text("total").toStdString() + " | " +
                            std::to_string(book_.table().currentRecord()) + " | " +
                            std::to_string(recordScrollBar()->value());
        for (const char* name : kValueLabelNames) shown += " | " + text(name).toStdString();
        return shown;
    }
    // ...and what they must be while record `record` of `of` is shown, trip `record` unless
    // told otherwise.
    struct View {
        int record;
        int of;
        int trip = 0;
    };
    static std::string showing(const View& v) {
        std::string shown = "Record " + std::to_string(v.record) + " of " + std::to_string(v.of) +
                            " | " + std::to_string(v.record) + " | " + std::to_string(v.record);
        for (const std::string& field :
             tagged("r" + std::to_string(v.trip ? v.trip : v.record)).fields)
            shown += " | " + field;
        return shown;
    }

    // Which of the two states the record area is in: "panel" or "notice", never both.
    std::string area() {
        return std::string(find("Frame1")->isVisibleTo(&window_) ? "panel" : "") +
               (find("Label25")->isVisibleTo(&window_) ? "notice" : "");
    }
    // The title, file name, records held, area and opened-files list in one line...
    std::string window() {
        return window_.windowTitle().toStdString() + " | " + book_.fileName() + " | " +
               std::to_string(book_.table().recordCount()) + " " + area() + " | " +
               window_.fileListCaptions().join(' ').toStdString();
    }
    // ...and what they must be: the title "Rodwick DB: <title>", the file name, the records
    // held with the area that goes with them, and the opened files separated by blanks.
    struct FileState {
        std::string title;
        std::string name;
        int records = 0;
        std::string list = {};
    };
    static std::string windowOf(const FileState& s) {
        return "Rodwick DB: " + s.title + " | " + s.name + " | " + std::to_string(s.records) +
               (s.records > 0 ? " panel | " : " notice | ") + s.list;
    }

    std::string lastMessage() {
        return platform_.messages().empty() ? "none" : describe(platform_.messages().back());
    }
    // The file dialogs of a kind ("open", "save") asked for so far, as
    // "title|filter|index|extension; " each.
    std::string fileDialogs(const char* kind) {
        QString out;
        for (const PlatformCall& call : platform_.callsOf(kind)) {
            const auto& o = call.fileOptions;
            out += o.title + "|" + o.filter + "|" + QString::number(o.filterIndex) + "|" +
                   o.defaultExtension + "; ";
        }
        return out.toStdString();
    }

    // Whatever a test does, the pointer is normal again at its end.
    void TearDown() override { EXPECT_FALSE(platform_.busy) << "the pointer stays busy"; }

    TempDir dir_;
    RecordBook book_;
    ScriptedPlatform platform_;
    MainWindow window_;
};

}  // namespace rodwick::testing
