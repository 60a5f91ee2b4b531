// Property reads and writes of every kind, and the combo box's items.
#include "test_windows.h"

namespace {

struct RoundTrip {
    ControlId control;
    int index;
    PropertyValue written;
    PropertyValue read;
};

TEST_F(WindowTest, PropertiesRoundTripForEveryKind) {
    const Bytes picture("\xFF\xD8\x00\x00\xFF\xD9", 6);
    const RoundTrip trips[] = {
        {0, kWindowTitle, Text("新标题"), Text("新标题")},
        {0, kPropWidth, 500, 500},
        {Parent::按钮1, kButtonCaption, Text("确定"), Text("确定")},
        {Parent::按钮1, kPropLeft, -5, -5},
        {Parent::按钮1, kPropHeight, -5, 0},
        {Parent::按钮1, kPropTag, 12, Text("12")},
        {Parent::按钮1, kPropVisible, 7, 1},
        {Parent::按钮1, kPropDisabled, 1, 1},
        {Parent::按钮1, kPropMouseCursor, 3, 3},
        {Parent::标签1, kLabelCaption, Text("标签\r\n"), Text("标签\r\n")},
        {Parent::透明标签1, kLabelCaption, Text("透"), Text("透")},
        {Parent::编辑框1, kEditContent, 31, Text("31")},
        {Parent::选择框1, kCheckBoxCaption, Text("空"), Text("空")},
        {Parent::选择框1, kCheckBoxTicked, 1, 1},
        {Parent::图片框1, kPicture, picture, picture},
        {Parent::图片框1, kPicture, Text(), Text()},
        {Parent::超级按钮1, kPictureButtonNormal, picture, picture},
        {Parent::时钟1, kTimerInterval, Text("3000"), 3000},
        {Parent::时钟1, kTimerInterval, -1, 0},
        {Parent::组合框1, kComboSelected, 5, -1},  // no such item
        // Indices a kind does not have are not stored anywhere.
        {Parent::按钮1, kLabelCaption, Text("x"), 0},
        {Parent::图片框1, kButtonCaption + 1, Text("x"), 0},
    };
    hooks().on["parentCreated"] = [&] {
        // The template's state at creation.
        EXPECT_EQ(getText({kParent, Parent::按钮2}, kButtonCaption), "关");
        EXPECT_TRUE(getBool({kParent, Parent::按钮2}, kPropDisabled));
        EXPECT_EQ(getText({kParent, Parent::超级按钮1}, kPictureButtonNormal), kTestPicture);
        EXPECT_EQ(getInt({kParent, Parent::组合框1}, kComboSelected), -1);
        for (const RoundTrip& trip : trips) {
            setProperty(kParent, trip.control, trip.index, trip.written);
            EXPECT_EQ(getProperty(kParent, trip.control, trip.index), trip.read)
                << "control " << trip.control << " index " << trip.index;
        }
        // Missing windows and controls: writes vanish, reads give nothing.
        setProperty(kParent, 99, kPropTag, Text("x"));
        setProperty(555, 1, kPropTag, Text("x"));
        EXPECT_EQ(getProperty(kParent, 99, kPropTag), PropertyValue(0));
        EXPECT_EQ(getText({555, 1}, kPropTag), "");
    };
    loadWindow(kParent);
    EXPECT_EQ(getProperty(kParent, Parent::按钮1, kButtonCaption), PropertyValue(0));
}

TEST_F(WindowTest, ComboItemsKeepTheirNumbers) {
    const ControlRef combo{kParent, Parent::组合框1};
    hooks().on["parentCreated"] = [&] {
        EXPECT_EQ(comboAddItem(combo, "简单", 1), 0);
        EXPECT_EQ(comboAddItem(combo, "中等"), 1);
        EXPECT_EQ(comboAddItem(combo, "困难", 3), 2);
        EXPECT_EQ(comboAddItem({kParent, Parent::标签1}, "x", 9), -1);
        EXPECT_EQ(comboAddItem({kChild, 1}, "x", 9), -1);
        EXPECT_EQ(comboItemCount(combo), 3);
        EXPECT_EQ(comboItemNumber(combo, 0), 1);
        EXPECT_EQ(comboItemNumber(combo, 1), 0);
        EXPECT_EQ(comboItemNumber(combo, 2), 3);
        EXPECT_EQ(comboItemNumber(combo, 3), 0);
        setProperty(combo, kComboSelected, 2);
        EXPECT_EQ(getInt(combo, kComboSelected), 2);
    };
    hooks().on["parentItemSelected"] = [] {
        EXPECT_EQ(getInt(eventSourceControl(), kComboSelected), 0);
    };
    driver.onWindow(kParent, [&] {
        EXPECT_EQ(driver.items(combo), (std::vector<Text>{"简单", "中等", "困难"}));
        EXPECT_FALSE(driver.chooseItem(combo, 3));
        EXPECT_FALSE(driver.chooseItem(combo, -1));
        EXPECT_TRUE(driver.chooseItem(combo, 0));
    });
    loadWindow(kParent);
    EXPECT_EQ(std::count(hooks().log.begin(), hooks().log.end(), "parentItemSelected"), 1);
}

}  // namespace
