#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QScrollBar>
#include <QTemporaryDir>
#include <array>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "app_state.h"
#include "form1.h"
#include "scripted_platform.h"

namespace rodwick::testing {

// Value labels in the order of the record's fields.
inline constexpr std::array<const char*, kFieldCount> kValueLabelNames{
    "obVen",   "ObType",   "ObDay",    "ObClub",   "ObWeighta", "ObWeightb", "ObWater", "ObWeather",
    "ObTemp",  "ObMethod", "ObDepthA", "ObDepthB", "ObBait",    "ObSpec",    "ObName",  "ObBestA",
    "ObBestB", "ObRest",   "ObInfo",   "ObDat",    "ObTime1",   "ObTime2"};

// Trip k of a test database: every field names itself and the trip ("f3 r7").
inline TripRecord Trip(int k) {
    TripRecord trip;
    for (int i = 0; i < kFieldCount; ++i) {
        trip.fields[static_cast<size_t>(i)] = "f" + std::to_string(i) + " r" + std::to_string(k);
    }
    return trip;
}

inline std::vector<TripRecord> Trips(int first, int last) {
    std::vector<TripRecord> trips;
    for (int k = first; k <= last; ++k) trips.push_back(Trip(k));
    return trips;
}

// The bytes of a database file, written here by hand rather than by the code under test.
inline std::string DatabaseBytes(const std::vector<TripRecord>& trips, std::string countLine = {}) {
    if (countLine.empty()) countLine = " " + std::to_string(trips.size()) + " ";
    std::string bytes = countLine + "\r\n";
    for (const TripRecord& trip : trips) {
        for (const std::string& field : trip.fields) bytes += field + "\r\n";
    }
    return bytes;
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void ExpectMessage(const PlatformCall& call, const QString& text, const QString& title,
                          platform::Buttons buttons, platform::Icon icon,
                          platform::DefaultButton defaultButton = platform::DefaultButton::First) {
    EXPECT_EQ(call.kind, QStringLiteral("message"));
    EXPECT_EQ(call.text, text);
    EXPECT_EQ(call.title, title);
    EXPECT_EQ(call.buttons, buttons);
    EXPECT_EQ(call.icon, icon);
    EXPECT_EQ(call.defaultButton, defaultButton);
}

inline const QString kExitQuestion =
    QStringLiteral("Really leave The Rodwick Database by Harrowby Software");

class Form1Test : public ::testing::Test {
  protected:
    Form1Test() : window(state, platform) {}

    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

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
        const std::string path = PathOf(name);
        WriteBytes(path, DatabaseBytes(Trips(first, last)));
        return path;
    }

    // Loads a file the way the start-up does.
    void LoadAtStart(const std::string& path) {
        state.table.setCurrentFileName(path);
        window.LoadDatabase();
    }

    QLabel* Label(const char* name) {
        auto* label = window.findChild<QLabel*>(QString::fromLatin1(name));
        if (label == nullptr) {
            ADD_FAILURE() << "no label " << name;
            return &missingLabel_;
        }
        return label;
    }
    QString Text(const char* name) { return Label(name)->text(); }

    QAction* Action(const char* name) {
        auto* action = window.findChild<QAction*>(QString::fromLatin1(name));
        if (action == nullptr) {
            ADD_FAILURE() << "no action " << name;
            return &missingAction_;
        }
        return action;
    }

    QScrollBar* Chrec() {
        auto* chrec = window.findChild<QScrollBar*>(QStringLiteral("chrec"));
        if (chrec == nullptr) {
            ADD_FAILURE() << "no scroll bar chrec";
            return &missingScrollBar_;
        }
        return chrec;
    }

    QWidget* Widget(const char* name) {
        auto* widget = window.findChild<QWidget*>(QString::fromLatin1(name));
        if (widget == nullptr) {
            ADD_FAILURE() << "no widget " << name;
            return &missingLabel_;
        }
        return widget;
    }

    // True when the view shows trip k of a table of count trips, all 22 fields included.
    ::testing::AssertionResult Shows(int k, int count) {
        const QString position = QStringLiteral("Record %1 of %2").arg(k).arg(count);
        if (Text("total") != position) {
            return ::testing::AssertionFailure() << "total reads \"" << Text("total").toStdString()
                                                 << "\", not \"" << position.toStdString() << "\"";
        }
        if (state.table.currentRecord() != k) {
            return ::testing::AssertionFailure()
                   << "currentRecord is " << state.table.currentRecord();
        }
        if (Chrec()->value() != k) {
            return ::testing::AssertionFailure() << "chrec stands at " << Chrec()->value();
        }
        const TripRecord expected = Trip(k);
        for (int i = 0; i < kFieldCount; ++i) {
            const QString want = QString::fromStdString(expected.fields[static_cast<size_t>(i)]);
            const char* name = kValueLabelNames[static_cast<size_t>(i)];
            if (Text(name) != want) {
                return ::testing::AssertionFailure()
                       << name << " shows \"" << Text(name).toStdString() << "\"";
            }
        }
        return ::testing::AssertionSuccess();
    }

    bool PanelShown() {
        return Widget("Frame1")->isVisibleTo(&window) && !Widget("Label25")->isVisibleTo(&window);
    }
    bool NoticeShown() {
        return !Widget("Frame1")->isVisibleTo(&window) && Widget("Label25")->isVisibleTo(&window);
    }

    // The pointer went busy and came back as often as it went busy, and is normal now.
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

  private:
    QLabel missingLabel_;
    QAction missingAction_;
    QScrollBar missingScrollBar_;
};

}  // namespace rodwick::testing
