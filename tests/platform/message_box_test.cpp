#include <gtest/gtest.h>

#include <QPushButton>
#include <vector>

#include "qt_platform.h"

namespace rodwick::platform {
namespace {

using SB = QMessageBox::StandardButton;

struct ButtonSet {
    Buttons buttons;
    std::vector<SB> inOrder;
    SB escape;
};

const std::vector<ButtonSet> kSets = {
    {Buttons::Ok, {SB::Ok}, SB::Ok},
    {Buttons::OkCancel, {SB::Ok, SB::Cancel}, SB::Cancel},
    {Buttons::AbortRetryIgnore, {SB::Abort, SB::Retry, SB::Ignore}, SB::Abort},
    {Buttons::YesNoCancel, {SB::Yes, SB::No, SB::Cancel}, SB::Cancel},
    {Buttons::YesNo, {SB::Yes, SB::No}, SB::No},
    {Buttons::RetryCancel, {SB::Retry, SB::Cancel}, SB::Cancel},
};

TEST(MessageBox, OffersEachButtonSetWithItsDefaultAndEscapeButtons) {
    const DefaultButton defaults[] = {DefaultButton::First, DefaultButton::Second,
                                      DefaultButton::Third};
    for (const ButtonSet& set : kSets) {
        QMessageBox::StandardButtons expected;
        for (SB b : set.inOrder) expected |= b;
        for (std::size_t d = 0; d < 3; ++d) {
            SCOPED_TRACE(testing::Message()
                         << "set " << static_cast<int>(set.buttons) << ", default " << d);
            auto box = MakeMessageBox(
                {QStringLiteral("t"), QStringLiteral("T"), set.buttons, Icon::None, defaults[d]});
            EXPECT_EQ(box->standardButtons(), expected);
            // A default beyond the set is the first button.
            const SB wanted = d < set.inOrder.size() ? set.inOrder[d] : set.inOrder[0];
            ASSERT_NE(box->defaultButton(), nullptr);
            EXPECT_EQ(box->standardButton(box->defaultButton()), wanted);
            ASSERT_NE(box->escapeButton(), nullptr);
            EXPECT_EQ(box->standardButton(box->escapeButton()), set.escape);
        }
    }
}

TEST(MessageBox, ShowsTextAndTitleExactlyWithTheMatchingIcon) {
    const QString text = QStringLiteral("<b>Really</b> clear all records from memory??");
    auto box = MakeMessageBox(
        {text, QStringLiteral("New"), Buttons::YesNo, Icon::Exclamation, DefaultButton::Second});
    EXPECT_EQ(box->text(), text);
    EXPECT_EQ(box->textFormat(), Qt::PlainText);  // no markup is interpreted
    EXPECT_EQ(box->windowTitle(), QStringLiteral("New"));
    EXPECT_EQ(box->icon(), QMessageBox::Warning);

    const std::pair<Icon, QMessageBox::Icon> icons[] = {
        {Icon::None, QMessageBox::NoIcon},
        {Icon::Stop, QMessageBox::Critical},
        {Icon::Question, QMessageBox::Question},
        {Icon::Information, QMessageBox::Information},
    };
    for (const auto& [icon, qtIcon] : icons) {
        EXPECT_EQ(MakeMessageBox({text, {}, Buttons::Ok, icon, DefaultButton::First})->icon(),
                  qtIcon);
    }
}

}  // namespace
}  // namespace rodwick::platform
