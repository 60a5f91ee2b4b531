#include "test_windows.h"

namespace {

#define LOGGED_HANDLER(name)                \
    void name() {                           \
        hooks().log.push_back(#name);       \
        auto hook = hooks().on.find(#name); \
        if (hook != hooks().on.end())       \
            hook->second();                 \
    }
LOGGED_HANDLER(parentCreated)
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
LOGGED_HANDLER(childCreated)
LOGGED_HANDLER(childDestroyed)
LOGGED_HANDLER(childClick)
#undef LOGGED_HANDLER

const unsigned char kPictureData[] = {0xFF, 0xD8, 0x00, 0x01, 0xFF, 0xD9};

const ControlTemplate kParentControls[] = {
    {.name = "按钮1",
     .kind = ControlKind::Button,
     .rect = {10, 20, 100, 30},
     .caption = "打开",
     .onClick = parentClick},
    {.name = "标签1",
     .kind = ControlKind::Label,
     .rect = {10, 60, 80, 20},
     .caption = "标签",
     .onMouseMove = parentLabelMoved},
    {.name = "编辑框1",
     .kind = ControlKind::EditBox,
     .rect = {10, 90, 80, 20},
     .integerOnly = true,
     .onChange = parentEditChanged},
    {.name = "组合框1",
     .kind = ControlKind::ComboBox,
     .rect = {10, 120, 80, 20},
     .onChange = parentItemSelected},
    {.name = "选择框1",
     .kind = ControlKind::CheckBox,
     .rect = {10, 150, 80, 20},
     .caption = "选择框",
     .onClick = parentCheck},
    {.name = "图片框1",
     .kind = ControlKind::PictureBox,
     .rect = {100, 60, 50, 50},
     .picture = "test.jpg",
     .onMouseDown = parentPicturePressed},
    {.name = "超级按钮1",
     .kind = ControlKind::PictureButton,
     .rect = {160, 60, 50, 50},
     .picture = "test.jpg",
     .hoverSound = "hover.wav",
     .clickSound = "click.wav",
     .onClick = parentPictureButton},
    {.name = "时钟1", .kind = ControlKind::Timer, .onTick = parentTick},
    {.name = "按钮2",
     .kind = ControlKind::Button,
     .rect = {120, 20, 100, 30},
     .caption = "关",
     .disabled = true,
     .onClick = parentDisabledClick},
    {.name = "标签2", .kind = ControlKind::Label, .tag = "7"},
    {.name = "标签3", .kind = ControlKind::Label, .tag = "7"},
    {.name = "分组框1", .kind = ControlKind::GroupBox, .caption = "组"},
    {.name = "透明标签1", .kind = ControlKind::TransparentLabel, .caption = "透明"},
};

const WindowTemplate kParentWindow = {.id = kParent,
                                      .name = "parent",
                                      .title = "父窗口",
                                      .width = 400,
                                      .height = 300,
                                      .controls = kParentControls,
                                      .controlCount = static_cast<int>(std::size(kParentControls)),
                                      .onCreated = parentCreated,
                                      .onDestroy = parentDestroyed};

const ControlTemplate kChildControls[] = {
    {.name = "按钮1", .kind = ControlKind::Button, .caption = "好", .onClick = childClick},
    {.name = "标签1", .kind = ControlKind::Label},
};

const WindowTemplate kChildWindow = {.id = kChild,
                                     .name = "child",
                                     .title = "子窗口",
                                     .width = 200,
                                     .height = 100,
                                     .controls = kChildControls,
                                     .controlCount = static_cast<int>(std::size(kChildControls)),
                                     .onCreated = childCreated,
                                     .onDestroy = childDestroyed};

}  // namespace

const Bytes kTestPicture(reinterpret_cast<const char*>(kPictureData), sizeof kPictureData);

Hooks& hooks() {
    static Hooks instance;
    return instance;
}

WindowTest::WindowTest() {
    hooks() = Hooks{};
    registerWindowTemplate(&kParentWindow);
    registerWindowTemplate(&kChildWindow);
    registerAsset("test.jpg", Asset{kPictureData, sizeof kPictureData});
}

WindowTest::~WindowTest() {
    // A test that leaves a window loaded would spoil the next one.
    EXPECT_FALSE(isWindowLoaded(kParent));
    EXPECT_FALSE(isWindowLoaded(kChild));
    hooks() = Hooks{};
}
