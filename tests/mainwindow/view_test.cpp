#include <QFontMetrics>
#include <QFrame>
#include <QImage>

#include "artwork.h"
#include "form1_fixture.h"

namespace rodwick::testing {
namespace {

TEST_F(Form1Test, StartsUntitledWithTheNoticeAndAOneStepScrollBar) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Rodwick DB: Untitled"));
    EXPECT_EQ(Text("total"), QStringLiteral("No records available"));
    EXPECT_EQ(Text("Label25"),
              QStringLiteral("No records loaded. Please open a file or add a record."));
    EXPECT_TRUE(NoticeShown());
    // Label25 lies where the panel is, so that it takes the panel's place.
    EXPECT_EQ(Widget("Label25")->geometry().topLeft(), Widget("Frame1")->geometry().topLeft());

    QScrollBar* chrec = Chrec();
    EXPECT_EQ(chrec->orientation(), Qt::Horizontal);
    EXPECT_EQ(chrec->minimum(), 1);
    EXPECT_EQ(chrec->maximum(), 1);
    EXPECT_EQ(chrec->value(), 1);
    EXPECT_EQ(chrec->singleStep(), 1);
    EXPECT_EQ(chrec->pageStep(), 10);
    EXPECT_FALSE(chrec->hasTracking());
    EXPECT_EQ(chrec->width(), Widget("Frame1")->width());
    EXPECT_GT(chrec->y(), Widget("Frame1")->geometry().bottom());
    EXPECT_GT(Widget("total")->y(), chrec->geometry().bottom());
}

TEST_F(Form1Test, DecorationsCarryTheirTextsAndPictures) {
    EXPECT_EQ(Text("Label2"), QStringLiteral("Rodwick Database"));
    EXPECT_EQ(Text("Label4"), QStringLiteral("v.1.8"));
    EXPECT_EQ(Text("Label3"), QStringLiteral("Harrowby Software"));
    EXPECT_EQ(Text("Label24"), QStringLiteral("'c"));
    for (const char* name : {"Image1", "Image2", "Image3"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(Label(name)->pixmap().isNull());
        // The toolbar row of nine 32x32 pictures stays free on the left.
        EXPECT_GE(Label(name)->x(), 9 * 32);
    }
    EXPECT_NE(window.findChild<QFrame*>(QStringLiteral("Shape1")), nullptr);
}

TEST_F(Form1Test, ValueLabelsStandWhereTheLayoutPutsThem) {
    struct Place {
        const char* name;
        int left, top, width, height;  // twips
    };
    const Place places[] = {
        {"obVen", 1305, 360, 3255, 255},     {"ObType", 6360, 360, 2775, 255},
        {"ObDay", 1305, 720, 975, 255},      {"ObClub", 6360, 720, 2775, 255},
        {"ObWeighta", 1305, 1080, 615, 255}, {"ObWeightb", 2400, 1080, 615, 255},
        {"ObWater", 6360, 1080, 2775, 255},  {"ObWeather", 1320, 1440, 1935, 255},
        {"ObTemp", 6360, 1440, 735, 255},    {"ObMethod", 1320, 1800, 3660, 255},
        {"ObDepthA", 6360, 1785, 615, 255},  {"ObDepthB", 7440, 1800, 615, 255},
        {"ObSpec", 1320, 2175, 3660, 255},   {"ObBait", 6360, 2160, 2775, 255},
        {"ObRest", 1320, 2520, 7815, 255},   {"ObInfo", 1320, 2880, 7815, 495},
        {"ObName", 1320, 3720, 3135, 255},   {"ObBestA", 6345, 3720, 615, 255},
        {"ObBestB", 7440, 3720, 615, 255},   {"ObTime1", 1320, 4320, 975, 255},
        {"ObTime2", 4065, 4320, 1215, 255},  {"ObDat", 7560, 4320, 1455, 255},
        {"mesw1", 2040, 1080, 255, 255},     {"mesw2", 3120, 1080, 375, 255},
        {"mesl1", 7080, 1800, 255, 255},     {"mesl2", 8160, 1800, 375, 255},
        {"mesw3", 7080, 3720, 255, 255},     {"mesw4", 8160, 3720, 375, 255},
        {"Label24", 7200, 1440, 255, 255},
    };
    QWidget* frame = Widget("Frame1");
    EXPECT_EQ(frame->size(), QSize(9360 / 15, 4800 / 15));
    for (const Place& p : places) {
        SCOPED_TRACE(p.name);
        QLabel* label = Label(p.name);
        EXPECT_EQ(label->parentWidget(), frame);
        EXPECT_EQ(label->geometry(), QRect(p.left / 15, p.top / 15, p.width / 15, p.height / 15));
    }
    EXPECT_TRUE(Label("ObInfo")->wordWrap());
    EXPECT_FALSE(Label("ObRest")->wordWrap());
}

TEST_F(Form1Test, CaptionsEndJustBeforeTheirValueOnTheSameRowUncut) {
    struct Pair {
        const char* caption;
        const char* text;
        const char* value;
    };
    const Pair pairs[] = {
        {"Label1", "Venue:", "obVen"},
        {"Label5", "Type of water:", "ObType"},
        {"Label6", "Day Ticket \u00a3", "ObDay"},
        {"Label7", "Club:", "ObClub"},
        {"Label8", "Weight:", "ObWeighta"},
        {"Label9", "Water Conditions:", "ObWater"},
        {"Label10", "Weather:", "ObWeather"},
        {"Label11", "Temperature:", "ObTemp"},
        {"Label12", "Method:", "ObMethod"},
        {"Label13", "Depth:", "ObDepthA"},
        {"Label15", "Species:", "ObSpec"},
        {"Label14", "Best Bait,etc:", "ObBait"},
        {"Label18", "Restrictions:", "ObRest"},
        {"Label19", "Remarks:", "ObInfo"},
        {"Label16", "Best Fish:", "ObName"},
        {"Label17", "Weight:", "ObBestA"},
        {"Label21", "Start Time:", "ObTime1"},
        {"Label22", "Finish:", "ObTime2"},
        {"Label20", "Date:", "ObDat"},
    };
    for (const Pair& pair : pairs) {
        SCOPED_TRACE(pair.caption);
        QLabel* caption = Label(pair.caption);
        QLabel* value = Label(pair.value);
        EXPECT_EQ(caption->text(), QString::fromUtf8(pair.text));
        EXPECT_EQ(caption->parentWidget(), Widget("Frame1"));
        EXPECT_TRUE(caption->alignment() & Qt::AlignRight);
        EXPECT_LT(caption->geometry().right(), value->x());
        EXPECT_GE(caption->geometry().right(), value->x() - 10);
        EXPECT_LE(std::abs(caption->y() - value->y()), 1);
        EXPECT_LE(QFontMetrics(caption->font()).horizontalAdvance(caption->text()),
                  caption->contentsRect().width());
    }
}

TEST_F(Form1Test, FontsOfValuesAndCaptions) {
    for (const char* name : kValueLabelNames) {
        EXPECT_EQ(Label(name)->font().family(), QStringLiteral("Times New Roman")) << name;
    }
    const int pointSize = Label("obVen")->font().pointSize();
    window.ApplyDisplayFont(QStringLiteral("Courier New"));
    for (const char* name : kValueLabelNames) {
        EXPECT_EQ(Label(name)->font().family(), QStringLiteral("Courier New")) << name;
        EXPECT_EQ(Label(name)->font().pointSize(), pointSize) << name;
    }
    // Only the values follow the display font.
    for (const char* name : {"Label1", "Label9", "Label20", "mesw1", "mesl2", "Label24"}) {
        EXPECT_EQ(Label(name)->font().family(), QStringLiteral("MS Sans Serif")) << name;
        EXPECT_EQ(Label(name)->font().pointSize(), 8) << name;
    }
}

TEST_F(Form1Test, UnitLabelsFollowTheSettingsAndNotTheRedraw) {
    window.ShowUnitNames();
    EXPECT_EQ(Text("mesw1"), QStringLiteral("Kg"));
    EXPECT_EQ(Text("mesw3"), QStringLiteral("Kg"));
    EXPECT_EQ(Text("mesw2"), QStringLiteral("g"));
    EXPECT_EQ(Text("mesw4"), QStringLiteral("g"));
    EXPECT_EQ(Text("mesl1"), QStringLiteral("m"));
    EXPECT_EQ(Text("mesl2"), QStringLiteral("cm"));

    state.settings.units = UnitNames::Imperial();
    Hold(2);
    EXPECT_EQ(Text("mesw1"), QStringLiteral("Kg"));
    window.ShowUnitNames();
    EXPECT_EQ(Text("mesw1"), QStringLiteral("lb"));
    EXPECT_EQ(Text("mesw3"), QStringLiteral("lb"));
    EXPECT_EQ(Text("mesw2"), QStringLiteral("oz"));
    EXPECT_EQ(Text("mesw4"), QStringLiteral("oz"));
    EXPECT_EQ(Text("mesl1"), QStringLiteral("ft"));
    EXPECT_EQ(Text("mesl2"), QStringLiteral("inch"));
}

TEST_F(Form1Test, LoadingShowsTheFirstTripWithSingleSpacesInThePosition) {
    const std::string path = PathOf("spaced.rwk");
    WriteBytes(path, DatabaseBytes(Trips(1, 5), "   5   "));
    LoadAtStart(path);
    EXPECT_TRUE(Shows(1, 5));
    EXPECT_EQ(Chrec()->maximum(), 5);
    EXPECT_TRUE(PanelShown());
    EXPECT_TRUE(Action("MnuNext")->isEnabled());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Rodwick DB: ") + QString::fromStdString(path));
    ExpectPointerNormal();
    EXPECT_TRUE(platform.messages().empty());
}

TEST_F(Form1Test, FieldTextIsShownAsPlainUnicode) {
    TripRecord trip = Trip(1);
    trip[Field::ticketPrice] =
        "\xA3"
        "4.50";
    trip[Field::remarks] = "<b>not bold</b> & more";
    const std::string path = PathOf("pound.rwk");
    WriteBytes(path, DatabaseBytes({trip}));
    LoadAtStart(path);
    EXPECT_EQ(Text("ObDay"), QString::fromUtf8("\u00a34.50"));
    EXPECT_EQ(Text("ObInfo"), QStringLiteral("<b>not bold</b> & more"));
}

TEST_F(Form1Test, TheViewSwitchesBetweenItsTwoStatesWithTheTable) {
    const std::string two = WriteDatabase("two.rwk", 1, 2);
    const std::string none = WriteDatabase("none.rwk", 1, 0);

    LoadAtStart(two);
    EXPECT_TRUE(PanelShown());
    EXPECT_TRUE(Chrec()->isEnabled());

    LoadAtStart(none);
    EXPECT_TRUE(NoticeShown());
    EXPECT_FALSE(Chrec()->isEnabled());
    EXPECT_FALSE(Action("MnuEdit")->isEnabled());
    EXPECT_EQ(Text("total"), QStringLiteral("Record 0 of 0"));
    EXPECT_EQ(state.table.recordCount(), 0);
    EXPECT_EQ(state.table.currentRecord(), 0);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Rodwick DB: ") + QString::fromStdString(none));

    LoadAtStart(two);
    EXPECT_TRUE(PanelShown());
    EXPECT_TRUE(Shows(1, 2));
}

TEST(Artwork, PicturesFillTheirSizeOnATransparentGround) {
    const QSize sizes[] = {QSize(64, 64), QSize(96, 48), QSize(32, 32)};
    for (auto draw : {&FishPicture, &RodPicture, &ReelPicture}) {
        for (const QSize size : sizes) {
            const QImage image = draw(size).toImage();
            ASSERT_EQ(image.size(), size);
            EXPECT_TRUE(image.hasAlphaChannel());
            EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
            int opaque = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) opaque += qAlpha(image.pixel(x, y)) > 128;
            }
            // Something is drawn, and it is a picture, not a filled box.
            EXPECT_GT(opaque, size.width() * size.height() / 50);
            EXPECT_LT(opaque, size.width() * size.height() * 3 / 4);
        }
    }
}

}  // namespace
}  // namespace rodwick::testing
