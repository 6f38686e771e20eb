#include <QFontMetrics>
#include <QImage>

#include "form1_fixture.h"

namespace rodwick::testing {
namespace {

TEST_F(Form1Test, StartsUntitledWithTheNoticeAndAOneStepScrollBar) {
    EXPECT_EQ(Window(), WindowOf({.title = "Untitled", .name = "Untitled"}));
    EXPECT_EQ(Text("total"), "No records available");
    EXPECT_EQ(Text("Label25"), "No records loaded. Please open a file or add a record.");
    EXPECT_EQ(Find("Label25")->geometry().topLeft(), Find("Frame1")->geometry().topLeft());
    EXPECT_EQ(std::tuple(Chrec()->minimum(), Chrec()->maximum(), Chrec()->pageStep()),
              std::tuple(1, 1, 10));
    for (const char* name : {"Image1", "Image2", "Image3"}) {
        const QImage picture = Find<QLabel>(name)->pixmap().toImage();
        EXPECT_EQ(picture.size(), Find(name)->size()) << name;
        EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0) << name << " stands on a transparent ground";
        EXPECT_GE(Find(name)->x(), 9 * 32) << "the toolbar row stays free";
    }
}

TEST_F(Form1Test, CaptionsEndJustBeforeTheirValueOnTheSameRowUncut) {
    // clang-format off
    const std::pair<const char*, const char*> pairs[] = {
        {"Label1", "obVen"}, {"Label5", "ObType"}, {"Label6", "ObDay"}, {"Label7", "ObClub"},
        {"Label8", "ObWeighta"}, {"Label9", "ObWater"}, {"Label10", "ObWeather"},
        {"Label11", "ObTemp"}, {"Label12", "ObMethod"}, {"Label13", "ObDepthA"},
        {"Label15", "ObSpec"}, {"Label14", "ObBait"}, {"Label18", "ObRest"}, {"Label19", "ObInfo"},
        {"Label16", "ObName"}, {"Label17", "ObBestA"}, {"Label21", "ObTime1"},
        {"Label22", "ObTime2"}, {"Label20", "ObDat"}};
    // clang-format on
    for (const auto& [captionName, valueName] : pairs) {
        SCOPED_TRACE(captionName);
        QLabel* caption = Find<QLabel>(captionName);
        QWidget* value = Find(valueName);
        EXPECT_EQ(caption->parentWidget(), Find("Frame1"));
        EXPECT_TRUE(caption->alignment() & Qt::AlignRight);
        EXPECT_LT(caption->geometry().right(), value->x());
        EXPECT_GE(caption->geometry().right(), value->x() - 10);
        EXPECT_LE(std::abs(caption->y() - value->y()), 1);
        EXPECT_LE(QFontMetrics(caption->font()).horizontalAdvance(caption->text()),
                  caption->contentsRect().width());
    }
}

TEST_F(Form1Test, FontsAndUnitNames) {
    const int pointSize = Find("obVen")->font().pointSize();
    window.ApplyDisplayFont("Courier New");
    for (const char* name : kValueLabelNames) {
        EXPECT_EQ(Find(name)->font().family(), "Courier New") << name;
        EXPECT_EQ(Find(name)->font().pointSize(), pointSize) << name;
    }
    for (const char* name : {"Label1", "Label9", "mesw1", "mesl2", "Label24"}) {
        EXPECT_EQ(Find(name)->font().family(), "MS Sans Serif") << name;
    }

    const QStringList metric{"Kg", "g", "Kg", "g", "m", "cm"};
    EXPECT_EQ(UnitTexts(window), metric);
    state.settings.units = UnitNames::Imperial();
    Hold(2);
    EXPECT_EQ(UnitTexts(window), metric) << "a redraw leaves the unit names";
    window.ShowUnitNames();
    EXPECT_EQ(UnitTexts(window), (QStringList{"lb", "oz", "lb", "oz", "ft", "inch"}));
}

TEST_F(Form1Test, LoadingShowsTheFirstTripAndSwitchesTheArea) {
    const std::string spaced = dir.File("spaced.rwk"), none = WriteDatabase("none.rwk", 1, 0);
    WriteBytes(spaced, FileImage("   5   ", Trips(1, 5)));
    window.LoadDatabase(spaced);
    EXPECT_EQ(Shown(), Showing({.record = 1, .of = 5}));
    EXPECT_EQ(Window(), WindowOf({.title = spaced, .name = spaced, .records = 5}));
    EXPECT_EQ(Chrec()->maximum(), 5);
    window.LoadDatabase(none);
    EXPECT_EQ(Window(), WindowOf({.title = none, .name = none}));
    EXPECT_EQ(Text("total"), "Record 0 of 0");

    TripRecord trip = Tagged("r1");
    trip[Field::ticketPrice] = "\xA3 4.50";
    trip[Field::remarks] = "<b>not bold</b> & more";
    WriteBytes(spaced, DatabaseBytes({trip}));
    window.LoadDatabase(spaced);
    EXPECT_EQ(Window(), WindowOf({.title = spaced, .name = spaced, .records = 1}));
    EXPECT_EQ(Text("ObDay"), "\u00a3 4.50");
    EXPECT_EQ(Text("ObInfo"), "<b>not bold</b> & more");
    EXPECT_TRUE(platform.messages().empty());
}

}  // namespace
}  // namespace rodwick::testing
