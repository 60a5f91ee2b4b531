// The native views under Wine: real windows, driven by posted messages from a
// thread timer that runs inside the modal loop, checked through the model.
#ifdef _WIN32

#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/display.h"
#include "platform/window.h"
#include "support/jpeg_maker.h"

namespace {

constexpr WindowId kMain = 9101;
constexpr WindowId kChild = 9102;

enum : ControlId {
    kButton = 1,
    kLabel,
    kEdit,
    kCombo,
    kCheck,
    kPictureBox,
    kTimer,
    kPictureButton,
    kTitle,
    kFrame,
    kBanner,
};

// What the handlers saw.
struct Events {
    int clicks = 0;
    int edits = 0;
    int selections = 0;
    int ticks = 0;
    int mouseDowns = 0;
    int childCreated = 0;
    ControlRef lastSource;
};
Events gEvents;

void onButton() {
    ++gEvents.clicks;
    gEvents.lastSource = eventSourceControl();
}
void onEdit() {
    ++gEvents.edits;
}
void onCombo() {
    ++gEvents.selections;
}
// Stops itself on the first tick, as the warehouse editor's timer does.
void onTick() {
    ++gEvents.ticks;
    setProperty(kMain, kTimer, kTimerInterval, 0);
}
void onPicture() {
    ++gEvents.mouseDowns;
}
void onMainCreated() {
    ControlRef combo{kMain, kCombo};
    comboAddItem(combo, "一");
    comboAddItem(combo, "二");
    comboAddItem(combo, "三");
    setProperty(kMain, kCombo, kComboSelected, 0);
}
void onChildCreated() {
    ++gEvents.childCreated;
}
void openChild() {
    loadWindow(kChild);
}

// A 2 x 2 24-bit BMP: red and green over blue and white (rows bottom-up).
Bytes twoByTwoBmp() {
    const unsigned char file[] = {
        'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,                // file header
        40, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0,  // info header
        16, 0, 0, 0, 0x13, 0x0B, 0, 0, 0x13, 0x0B, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0, 0, 0xFF,
        0xFF, 0xFF, 0, 0,              // bottom row: blue,
                                       // white, padding
        0, 0, 0xFF, 0, 0xFF, 0, 0, 0,  // top row: red, green, padding
    };
    return Bytes(reinterpret_cast<const char*>(file), sizeof(file));
}

const ControlTemplate kMainControls[] = {
    {.name = "button",
     .kind = ControlKind::Button,
     .rect = {10, 10, 100, 30},
     .caption = "按钮",
     .tabStop = true,
     .onClick = onButton},
    {.name = "label",
     .kind = ControlKind::Label,
     .rect = {120, 10, 200, 30},
     .caption = "中文标签：启动器",
     .textColour = 0xFF0000,
     .font = {20, 400, 134, ""},
     .valign = VAlign::Centre},
    {.name = "edit",
     .kind = ControlKind::EditBox,
     .rect = {10, 50, 100, 24},
     .tabStop = true,
     .integerOnly = true,
     .onChange = onEdit},
    {.name = "combo",
     .kind = ControlKind::ComboBox,
     .rect = {120, 50, 120, 20},
     .tabStop = true,
     .onChange = onCombo},
    {.name = "check",
     .kind = ControlKind::CheckBox,
     .rect = {10, 90, 200, 30},
     .caption = "启用插件控制BOT选项",
     .tabStop = true,
     .valign = VAlign::Centre},
    {.name = "picture",
     .kind = ControlKind::PictureBox,
     .rect = {10, 130, 40, 40},
     .displayMode = 1,
     .picture = "win32-test.bmp",
     .onMouseDown = onPicture},
    {.name = "timer", .kind = ControlKind::Timer, .interval = 40, .onTick = onTick},
    {.name = "pictureButton",
     .kind = ControlKind::PictureButton,
     .rect = {60, 130, 60, 40},
     .tabStop = true,
     .backColour = 0xFFFFFF,
     .picture = "win32-test.bmp",
     .onClick = onButton},
    {.name = "title",
     .kind = ControlKind::TransparentLabel,
     .rect = {130, 130, 200, 24},
     .caption = "CS ZephyrNorthKeystone",
     .font = {21, 500, 0, "Counter-Strike"}},
    {.name = "frame", .kind = ControlKind::GroupBox, .rect = {5, 125, 330, 60}},
    // A banner wider than its box: scaled down to 117 x 40 and centred.
    {.name = "banner",
     .kind = ControlKind::PictureBox,
     .rect = {170, 195, 184, 40},
     .backColour = 0x0000FF,
     .displayMode = 2,
     .picture = "win32-banner.jpg"},
};

const WindowTemplate kMainWindow = {
    .id = kMain,
    .name = "main",
    .title = "测试窗口",
    .width = 400,
    .height = 300,
    .minimizeBox = true,
    .controls = kMainControls,
    .controlCount = static_cast<int>(std::size(kMainControls)),
    .onCreated = onMainCreated,
};

const ControlTemplate kChildControls[] = {
    {.name = "open",
     .kind = ControlKind::Button,
     .rect = {10, 10, 100, 30},
     .caption = "open",
     .tabStop = true,
     .onClick = onButton},
};
const WindowTemplate kChildWindow = {
    .id = kChild,
    .name = "child",
    .title = "子窗口",
    .width = 200,
    .height = 120,
    .backColour = 0x000000,
    .controls = kChildControls,
    .controlCount = 1,
    .onCreated = onChildCreated,
};

// The same opener window with a button that loads the child.
const ControlTemplate kOpenerControls[] = {
    {.name = "open",
     .kind = ControlKind::Button,
     .rect = {10, 10, 100, 30},
     .caption = "open",
     .tabStop = true,
     .onClick = openChild},
};
constexpr WindowId kOpener = 9103;
const WindowTemplate kOpenerWindow = {
    .id = kOpener,
    .title = "opener",
    .width = 300,
    .height = 200,
    .controls = kOpenerControls,
    .controlCount = 1,
};

// Steps run one per timer period inside whichever modal loop is running; a
// watchdog closes every test window so that a stuck loop fails in seconds.
struct Script {
    std::vector<std::function<void()>> steps;
    size_t next = 0;
    bool timedOut = false;
};
Script* gScript = nullptr;

void CALLBACK runStep(HWND, UINT, UINT_PTR, DWORD) {
    if (gScript->next < gScript->steps.size())
        gScript->steps[gScript->next++]();
}

void CALLBACK watchdog(HWND, UINT, UINT_PTR, DWORD) {
    gScript->timedOut = true;
    for (WindowId id : {kChild, kOpener, kMain}) {
        if (isWindowLoaded(id))
            closeWindow(ControlRef{id, 0});
    }
}

// Loads `window` modally while the script runs; true if loadWindow did.
bool runScripted(WindowId window, Script& script) {
    gScript = &script;
    UINT_PTR stepper = SetTimer(nullptr, 0, 60, runStep);
    UINT_PTR guard = SetTimer(nullptr, 0, 15000, watchdog);
    bool loaded = loadWindow(window);
    KillTimer(nullptr, stepper);
    KillTimer(nullptr, guard);
    gScript = nullptr;
    return loaded;
}

HWND handle(WindowId window, ControlId control) {
    return reinterpret_cast<HWND>(controlHandle(ControlRef{window, control}));
}

std::wstring windowText(HWND hwnd) {
    wchar_t buffer[256] = {};
    GetWindowTextW(hwnd, buffer, 256);
    return buffer;
}

void postChars(HWND hwnd, const wchar_t* chars) {
    for (const wchar_t* c = chars; *c != L'\0'; ++c)
        PostMessageW(hwnd, WM_CHAR, *c, 1);
}

bool putOnClipboard(const std::wstring& text) {
    if (!OpenClipboard(nullptr))
        return false;
    EmptyClipboard();
    size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory != nullptr) {
        memcpy(GlobalLock(memory), text.c_str(), bytes);
        GlobalUnlock(memory);
        if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr)
            GlobalFree(memory);
    }
    CloseClipboard();
    return memory != nullptr;
}

HWND findTooltip() {
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM result) {
            wchar_t name[64] = {};
            GetClassNameW(hwnd, name, 64);
            if (lstrcmpiW(name, TOOLTIPS_CLASSW) != 0)
                return TRUE;
            *reinterpret_cast<HWND*>(result) = hwnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

void postKey(HWND hwnd, WPARAM key) {
    PostMessageW(hwnd, WM_KEYDOWN, key, 1);
    PostMessageW(hwnd, WM_KEYUP, key, 0xC0000001);
}

// The colour columns of a painted control, read back from the screen.
std::vector<COLORREF> screenRows(HWND control, int& width, int& height) {
    RECT client;
    GetClientRect(control, &client);
    width = client.right;
    height = client.bottom;
    RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC screen = GetDC(control);
    HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(memory, dib);
    BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    GdiFlush();
    std::vector<COLORREF> pixels(static_cast<size_t>(width) * height);
    const auto* row = static_cast<const DWORD*>(bits);
    for (size_t i = 0; i < pixels.size(); ++i) {
        const DWORD p = row[i];  // 0x00RRGGBB
        pixels[i] = RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(dib);
    ReleaseDC(control, screen);
    return pixels;
}

bool nearColour(COLORREF got, COLORREF want) {
    return std::abs(GetRValue(got) - GetRValue(want)) <= 24 &&
           std::abs(GetGValue(got) - GetGValue(want)) <= 24 &&
           std::abs(GetBValue(got) - GetBValue(want)) <= 24;
}

// The red 300 x 103 banner in its blue 184 x 40 box: 117 x 40 at x = 33.
void expectBannerCentred(HWND box) {
    ASSERT_NE(box, nullptr);
    int width = 0;
    int height = 0;
    const std::vector<COLORREF> pixels = screenRows(box, width, height);
    ASSERT_EQ(width, 184);
    ASSERT_EQ(height, 40);
    const COLORREF red = RGB(255, 0, 0);
    const COLORREF blue = RGB(0, 0, 255);
    for (int y = 0; y < height; ++y) {
        int left = -1;
        int right = -1;
        int strays = 0;
        for (int x = 0; x < width; ++x) {
            const COLORREF p = pixels[static_cast<size_t>(y) * width + x];
            if (nearColour(p, red)) {
                if (left < 0)
                    left = x;
                right = x;
            } else if (!nearColour(p, blue)) {
                ++strays;
            }
        }
        EXPECT_EQ(left, 33) << "row " << y;
        EXPECT_EQ(right, 149) << "row " << y;
        EXPECT_EQ(strays, 0) << "row " << y;
        for (int x = left; x >= 0 && x <= right; ++x) {
            EXPECT_TRUE(nearColour(pixels[static_cast<size_t>(y) * width + x], red))
                << x << ", " << y;
        }
        if (testing::Test::HasFailure())
            return;
    }
}

class Win32Window : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        static const Bytes bmp = twoByTwoBmp();
        registerAsset("win32-test.bmp",
                      Asset{reinterpret_cast<const unsigned char*>(bmp.data()), bmp.size()});
        static const Bytes banner =
            encodeJpeg(300, 103, false, false, [](int, int) { return uint32_t{0xFFFF0000}; });
        registerAsset("win32-banner.jpg",
                      Asset{reinterpret_cast<const unsigned char*>(banner.data()), banner.size()});
        registerWindowTemplate(&kMainWindow);
        registerWindowTemplate(&kChildWindow);
        registerWindowTemplate(&kOpenerWindow);
    }
    void SetUp() override { gEvents = Events(); }
};

TEST_F(Win32Window, ShowsTheModelAndFeedsUserInputBack) {
    Script script;
    HWND pictureBox = nullptr;
    script.steps = {
        [&] {
            HWND window = handle(kMain, 0);
            ASSERT_NE(window, nullptr);
            EXPECT_TRUE(IsWindowVisible(window));
            EXPECT_EQ(windowText(window), L"测试窗口");
            // Captions are GBK in the model and UTF-16 on screen.
            EXPECT_EQ(windowText(handle(kMain, kLabel)), L"中文标签：启动器");
            EXPECT_EQ(windowText(handle(kMain, kCheck)), L"启用插件控制BOT选项");
            EXPECT_EQ(SendMessageW(handle(kMain, kCombo), CB_GETCOUNT, 0, 0), 3);
            EXPECT_EQ(SendMessageW(handle(kMain, kCombo), CB_GETCURSEL, 0, 0), 0);
            pictureBox = handle(kMain, kPictureBox);
            EXPECT_TRUE(IsWindow(pictureBox));
            EXPECT_EQ(handle(kMain, kTimer), nullptr);
            // Outer size as given, centred on the screen.
            RECT frame;
            GetWindowRect(window, &frame);
            EXPECT_EQ(frame.right - frame.left, 400);
            EXPECT_EQ(frame.bottom - frame.top, 300);
            EXPECT_NEAR(frame.left + 200, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
            EXPECT_NEAR(frame.top + 150, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
            // Every control sits where its template puts it in the client area.
            for (ControlId id = 1; id <= static_cast<ControlId>(std::size(kMainControls)); ++id) {
                const Rect& want = kMainControls[id - 1].rect;
                HWND control = handle(kMain, id);
                if (control == nullptr)
                    continue;
                RECT got;
                GetWindowRect(control, &got);
                MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&got), 2);
                EXPECT_EQ(got.left, want.left) << kMainControls[id - 1].name;
                EXPECT_EQ(got.top, want.top) << kMainControls[id - 1].name;
                EXPECT_EQ(got.right - got.left, want.width) << kMainControls[id - 1].name;
                EXPECT_EQ(got.bottom - got.top, want.height) << kMainControls[id - 1].name;
            }
            expectBannerCentred(handle(kMain, kBanner));
            // The first tab stop has the focus.
            EXPECT_EQ(GetFocus(), handle(kMain, kButton));
            PostMessageW(handle(kMain, kButton), BM_CLICK, 0, 0);
        },
        [&] {
            EXPECT_EQ(gEvents.clicks, 1);
            EXPECT_EQ(gEvents.lastSource, (ControlRef{kMain, kButton}));
            HWND edit = handle(kMain, kEdit);
            SetFocus(edit);
            // Letters and the full stop are dropped, Backspace still works.
            postChars(edit, L"1a5.-x9\b");
        },
        [&] {
            EXPECT_EQ(std::get<Text>(getProperty(kMain, kEdit, kEditContent)), "15-");
            EXPECT_EQ(windowText(handle(kMain, kEdit)), L"15-");
            EXPECT_EQ(gEvents.edits, 5);
            // A program's write shows at once; the model raises its event,
            // and the native change notification must not add a second one.
            setProperty(kMain, kEdit, kEditContent, Text("42"));
            EXPECT_EQ(windowText(handle(kMain, kEdit)), L"42");
            EXPECT_EQ(gEvents.edits, 6);
            // Pasting goes through the same filter as typing.
            ASSERT_TRUE(putOnClipboard(L"7x-8."));
            SendMessageW(handle(kMain, kEdit), EM_SETSEL, 2, 2);
            SendMessageW(handle(kMain, kEdit), WM_PASTE, 0, 0);
            EXPECT_EQ(std::get<Text>(getProperty(kMain, kEdit, kEditContent)), "427-8");

            HWND combo = handle(kMain, kCombo);
            SendMessageW(combo, CB_SETCURSEL, 2, 0);
            PostMessageW(handle(kMain, 0), WM_COMMAND,
                         MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(combo));
            PostMessageW(handle(kMain, kCheck), BM_CLICK, 0, 0);
        },
        [&] {
            EXPECT_EQ(std::get<int>(getProperty(kMain, kCombo, kComboSelected)), 2);
            EXPECT_EQ(gEvents.selections, 1);
            EXPECT_EQ(std::get<int>(getProperty(kMain, kCheck, kCheckBoxTicked)), 1);
            EXPECT_EQ(SendMessageW(handle(kMain, kCheck), BM_GETCHECK, 0, 0), BST_CHECKED);
            setProperty(kMain, kCheck, kCheckBoxTicked, 0);
            EXPECT_EQ(SendMessageW(handle(kMain, kCheck), BM_GETCHECK, 0, 0), BST_UNCHECKED);
            setProperty(kMain, kLabel, kLabelCaption, Text("模式选择"));
            EXPECT_EQ(windowText(handle(kMain, kLabel)), L"模式选择");
            // A text converted for display shows in the display code page
            // ("中文" in BIG5); a template's own caption stays GBK.
            setDisplayCodePage(kCodePageBig5);
            rememberDisplayText("\xA4\xA4\xA4\xE5");
            setProperty(kMain, kLabel, kLabelCaption, Text("\xA4\xA4\xA4\xE5"));
            EXPECT_EQ(windowText(handle(kMain, kLabel)), L"中文");
            setProperty(kMain, kLabel, kLabelCaption, Text("模式选择"));
            EXPECT_EQ(windowText(handle(kMain, kLabel)), L"模式选择");
            setDisplayCodePage(kCodePageGbk);

            // One tool per control: a second tip replaces the first.
            HWND label = handle(kMain, kLabel);
            addBalloonTip(reinterpret_cast<std::intptr_t>(label), "提示一", true);
            addBalloonTip(reinterpret_cast<std::intptr_t>(label), "提示二", true);
            HWND tooltip = findTooltip();
            ASSERT_NE(tooltip, nullptr);
            EXPECT_EQ(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), 1);
            wchar_t tip[64] = {};
            TTTOOLINFOW tool{};
            tool.cbSize = TTTOOLINFOW_V2_SIZE;
            tool.hwnd = handle(kMain, 0);
            tool.uId = reinterpret_cast<UINT_PTR>(label);
            tool.lpszText = tip;
            SendMessageW(tooltip, TTM_GETTEXTW, 64, reinterpret_cast<LPARAM>(&tool));
            EXPECT_STREQ(tip, L"提示二");
            // The timer ticked once and stopped itself.
            EXPECT_EQ(gEvents.ticks, 1);

            // A disabled control takes no clicks; the picture button plays
            // its part like a button.
            setProperty(kMain, kButton, kPropDisabled, 1);
            EXPECT_FALSE(IsWindowEnabled(handle(kMain, kButton)));
            PostMessageW(handle(kMain, kPictureButton), BM_CLICK, 0, 0);
            PostMessageW(pictureBox, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
            PostMessageW(pictureBox, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        },
        [&] {
            EXPECT_EQ(gEvents.clicks, 2);
            EXPECT_EQ(gEvents.lastSource, (ControlRef{kMain, kPictureButton}));
            EXPECT_EQ(gEvents.mouseDowns, 1);
            // The stretched 2 x 2 picture: red at the top left, white at the
            // bottom right.
            HDC dc = GetDC(pictureBox);
            EXPECT_EQ(GetPixel(dc, 3, 3), RGB(255, 0, 0));
            EXPECT_EQ(GetPixel(dc, 36, 36), RGB(255, 255, 255));
            ReleaseDC(pictureBox, dc);

            // Esc in a dropped-down list closes the list, not the window.
            HWND combo = handle(kMain, kCombo);
            SetFocus(combo);
            SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
            postKey(combo, VK_ESCAPE);
        },
        [&] {
            EXPECT_TRUE(isWindowLoaded(kMain));
            EXPECT_FALSE(SendMessageW(handle(kMain, kCombo), CB_GETDROPPEDSTATE, 0, 0));
            // Esc anywhere else closes it.
            HWND edit = handle(kMain, kEdit);
            SetFocus(edit);
            postKey(edit, VK_ESCAPE);
        },
    };
    EXPECT_TRUE(runScripted(kMain, script));
    EXPECT_FALSE(script.timedOut);
    EXPECT_EQ(script.next, script.steps.size());
    EXPECT_FALSE(isWindowLoaded(kMain));
    EXPECT_EQ(controlHandle(ControlRef{kMain, kPictureBox}), 0);
    EXPECT_FALSE(IsWindow(pictureBox));
}

TEST_F(Win32Window, NestedWindowIsModalOverItsOwner) {
    Script script;
    HWND opener = nullptr;
    script.steps = {
        [&] {
            opener = handle(kOpener, 0);
            PostMessageW(handle(kOpener, 1), BM_CLICK, 0, 0);
        },
        [&] {
            // This step runs inside the child's loop, inside the opener's handler.
            ASSERT_TRUE(isWindowLoaded(kChild));
            EXPECT_EQ(gEvents.childCreated, 1);
            HWND child = handle(kChild, 0);
            EXPECT_EQ(GetWindow(child, GW_OWNER), opener);
            EXPECT_FALSE(IsWindowEnabled(opener));
            EXPECT_TRUE(IsWindowEnabled(child));
            // The close box asks the model, which closes the child.
            PostMessageW(child, WM_CLOSE, 0, 0);
        },
        [&] {
            EXPECT_FALSE(isWindowLoaded(kChild));
            EXPECT_TRUE(isWindowLoaded(kOpener));
            EXPECT_TRUE(IsWindowEnabled(opener));
            PostMessageW(opener, WM_CLOSE, 0, 0);
        },
    };
    EXPECT_TRUE(runScripted(kOpener, script));
    EXPECT_FALSE(script.timedOut);
    EXPECT_EQ(script.next, script.steps.size());
    EXPECT_FALSE(IsWindow(opener));
}

TEST_F(Win32Window, ClosingFromTheCreatedHandlerNeverShowsTheLoop) {
    // A window that closes itself while being created: the loop must not wait
    // for a message that never comes.
    static const WindowTemplate closesAtOnce = {
        .id = 9104,
        .title = "x",
        .width = 100,
        .height = 100,
        .onCreated =
            [] {
                closeWindow(ControlRef{9104, 0});
            },
    };
    registerWindowTemplate(&closesAtOnce);
    Script script;
    EXPECT_TRUE(runScripted(9104, script));
    EXPECT_FALSE(script.timedOut);
    EXPECT_FALSE(isWindowLoaded(9104));
}

}  // namespace

#endif  // _WIN32
