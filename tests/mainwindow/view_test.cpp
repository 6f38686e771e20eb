#include <QFontMetrics>
#include <QImage>

#include "artwork.h"
#include "form1_fixture.h"

namespace rodwick::testing {
namespace {

TEST_F(Form1Test, StartsUntitledWithTheNoticeAndAOneStepScrollBar) {
    EXPECT_EQ(Window(), WindowOf("Untitled", "Untitled", 0));
    EXPECT_EQ(Text("total"), "No records available");
    EXPECT_EQ(Text("Label25"), "No records loaded. Please open a file or add a record.");
    EXPECT_EQ(Find("Label25")->geometry().topLeft(), Find("Frame1")->geometry().topLeft());
    EXPECT_EQ(std::tuple(Chrec()->minimum(), Chrec()->maximum(), Chrec()->pageStep()),
              std::tuple(1, 1, 10));
    for (const char* name : {"Image1", "Image2", "Image3"}) {
        EXPECT_FALSE(Find<QLabel>(name)->pixmap().isNull()) << name;
        EXPECT_GE(Find(name)->x(), 9 * 32) << "the toolbar row stays free";
    }
}

TEST_F(Form1Test, CaptionsEndJustBeforeTheirValueOnTheSameRowUncut) {
    const std::pair<const char*, const char*> pairs[] = {
        {"Label1", "obVen"},      {"Label5", "ObType"},    {"Label6", "ObDay"},
        {"Label7", "ObClub"},     {"Label8", "ObWeighta"}, {"Label9", "ObWater"},
        {"Label10", "ObWeather"}, {"Label11", "ObTemp"},   {"Label12", "ObMethod"},
        {"Label13", "ObDepthA"},  {"Label15", "ObSpec"},   {"Label14", "ObBait"},
        {"Label18", "ObRest"},    {"Label19", "ObInfo"},   {"Label16", "ObName"},
        {"Label17", "ObBestA"},   {"Label21", "ObTime1"},  {"Label22", "ObTime2"},
        {"Label20", "ObDat"}};
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
    const std::string spaced = PathOf("spaced.rwk"), none = WriteDatabase("none.rwk", 1, 0);
    WriteBytes(spaced, FileImage("   5   ", Trips(1, 5)));
    LoadAtStart(spaced);
    EXPECT_EQ(Shown(), Showing(1, 5));
    EXPECT_EQ(Window(), WindowOf(spaced, spaced, 5));
    EXPECT_EQ(Chrec()->maximum(), 5);
    LoadAtStart(none);
    EXPECT_EQ(Window(), WindowOf(none, none, 0));
    EXPECT_EQ(Text("total"), "Record 0 of 0");

    TripRecord trip = Tagged("r1");
    trip[Field::ticketPrice] = "\xA3 4.50";
    trip[Field::remarks] = "<b>not bold</b> & more";
    WriteBytes(spaced, DatabaseBytes({trip}));
    LoadAtStart(spaced);
    EXPECT_EQ(Window(), WindowOf(spaced, spaced, 1));
    EXPECT_EQ(Text("ObDay"), "\u00a3 4.50");
    EXPECT_EQ(Text("ObInfo"), "<b>not bold</b> & more");
    ExpectPointerNormal();
    EXPECT_TRUE(platform.messages().empty());
}

TEST(Artwork, PicturesAreDrawnOnATransparentGround) {
    for (auto draw : {&FishPicture, &RodPicture, &ReelPicture}) {
        const QImage image = draw(QSize(96, 48)).toImage();
        ASSERT_EQ(image.size(), QSize(96, 48));
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
        int opaque = 0;
        for (int i = 0; i < 96 * 48; ++i) opaque += qAlpha(image.pixel(i % 96, i / 96)) > 128;
        EXPECT_GT(opaque, 96 * 48 / 50) << "something is drawn";
        EXPECT_LT(opaque, 96 * 48 * 3 / 4) << "a picture, not a filled box";
    }
}

}  // namespace
}  // namespace rodwick::testing
