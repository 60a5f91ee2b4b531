#include "test_windows.h"

#include "platform/assets.h"
#include "shell/templates/builders.h"
#include "support/jpeg_maker.h"

namespace {

void logged(const char* name) {
    hooks().log.push_back(name);
    auto hook = hooks().on.find(name);
    if (hook != hooks().on.end())
        hook->second();
}

#define LOGGED_HANDLER(name) \
    void name() {            \
        logged(#name);       \
    }
LOGGED_HANDLER(parentDestroyed)
LOGGED_HANDLER(parentClick)
LOGGED_HANDLER(parentCheck)
LOGGED_HANDLER(parentPictureButton)
LOGGED_HANDLER(parentDisabledClick)
LOGGED_HANDLER(parentEditChanged)
LOGGED_HANDLER(parentItemSelected)
LOGGED_HANDLER(parentPicturePressed)
LOGGED_HANDLER(parentLabelMoved)
LOGGED_HANDLER(parentTick)
LOGGED_HANDLER(childDestroyed)
LOGGED_HANDLER(childClick)
#undef LOGGED_HANDLER

void parentCreated() {
    hooks().driver->windowCreated(kParent);
    logged("parentCreated");
}
void childCreated() {
    hooks().driver->windowCreated(kChild);
    logged("childCreated");
}

// Rows bottom-up: blue and white, then red and green; each padded to 4 bytes.
const unsigned char kBmp[] = {
    'B',  'M', 70,   0,    0,    0,    0,    0,    0, 0, 54,   0, 0,    0, 40, 0, 0,  0,
    2,    0,   0,    0,    2,    0,    0,    0,    1, 0, 24,   0, 0,    0, 0,  0, 16, 0,
    0,    0,   0x13, 0x0B, 0,    0,    0x13, 0x0B, 0, 0, 0,    0, 0,    0, 0,  0, 0,  0,
    0xFF, 0,   0,    0xFF, 0xFF, 0xFF, 0,    0,    0, 0, 0xFF, 0, 0xFF, 0, 0,  0,
};

const ControlTemplate kParentControls[] = {
    button("按钮1", {10, 10, 100, 30}, "打开").clicked(parentClick),
    label("标签1", {120, 10, 200, 30}, "中文标签：启动器")
        .colour(kRed)
        .withFont(20, 400, kCharsetGb2312)
        .aligned(HAlign::Left, VAlign::Centre)
        .hovered(parentLabelMoved),
    Row("编辑框1", ControlKind::EditBox, {10, 50, 100, 24}).digitsOnly().changed(parentEditChanged),
    Row("组合框1", ControlKind::ComboBox, {120, 50, 120, 20}).changed(parentItemSelected),
    Row("选择框1", ControlKind::CheckBox, {10, 90, 200, 30})
        .text("启用插件控制BOT选项")
        .aligned(HAlign::Left, VAlign::Centre)
        .clicked(parentCheck),
    pictureBox("图片框1", {10, 130, 40, 40}, 1).image("test.bmp").pressed(parentPicturePressed),
    Row("超级按钮1", ControlKind::PictureButton, {60, 130, 60, 40})
        .background(kWhite)
        .image("test.bmp")
        .sounds("hover.wav", "click.wav")
        .clicked(parentPictureButton),
    Row("时钟1", ControlKind::Timer, {}).ticked(parentTick),
    button("按钮2", {250, 90, 100, 30}, "关").disabledAtStart().clicked(parentDisabledClick),
    label("标签2", {}, "").withTag("7"),
    label("标签3", {}, "").withTag("7"),
    Row("分组框1", ControlKind::GroupBox, {5, 125, 330, 60}).text("组"),
    Row("透明标签1", ControlKind::TransparentLabel, {130, 130, 200, 24})
        .text("CS ZephyrNorthKeystone")
        .withFont(21, 500, kCharsetAnsi, "Counter-Strike"),
    pictureBox("图片框2", {170, 195, 184, 40}, 2).background(0x0000FF).image("banner.jpg"),
};

const ControlTemplate kChildControls[] = {
    button("按钮1", {10, 10, 100, 30}, "好").clicked(childClick),
    label("标签1", {10, 50, 100, 20}, ""),
};

const WindowTemplate kChildWindow = {.id = kChild,
                                     .name = "child",
                                     .title = "子窗口",
                                     .width = 200,
                                     .height = 120,
                                     .controls = kChildControls,
                                     .controlCount = static_cast<int>(std::size(kChildControls)),
                                     .onCreated = childCreated,
                                     .onDestroy = childDestroyed};

}  // namespace

const WindowTemplate kParentWindow = {.id = kParent,
                                      .name = "parent",
                                      .title = "父窗口",
                                      .width = 400,
                                      .height = 300,
                                      .minimizeBox = true,
                                      .controls = kParentControls,
                                      .controlCount = static_cast<int>(std::size(kParentControls)),
                                      .onCreated = parentCreated,
                                      .onDestroy = parentDestroyed};

const Bytes kTestPicture(reinterpret_cast<const char*>(kBmp), sizeof kBmp);

Hooks& hooks() {
    static Hooks instance;
    return instance;
}

WindowTest::WindowTest() {
    hooks() = Hooks{};
    hooks().driver = &driver;
    registerWindowTemplate(&kParentWindow);
    registerWindowTemplate(&kChildWindow);
    static const Bytes banner =
        encodeJpeg(300, 103, false, false, [](int, int) { return uint32_t{0xFFFF0000}; });
    registerAsset("test.bmp", Asset{kBmp, sizeof kBmp});
    registerAsset("banner.jpg",
                  Asset{reinterpret_cast<const unsigned char*>(banner.data()), banner.size()});
}

WindowTest::~WindowTest() {
    // A test that leaves a window loaded would spoil the next one.
    EXPECT_FALSE(isWindowLoaded(kParent));
    EXPECT_FALSE(isWindowLoaded(kChild));
    EXPECT_FALSE(driver.timedOut());
    hooks() = Hooks{};
}
