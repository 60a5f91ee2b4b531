// What the native views show of the model, read back from the real windows:
// texts in UTF-16, every control at its template's place, pictures painted
// as their display mode says, focus, ownership and the keyboard.
#ifdef _WIN32

#include <windows.h>

#include <cstdlib>

#include "platform/display.h"
#include "platform/win32/wide.h"
#include "test_windows.h"

namespace {

HWND handle(WindowId window, ControlId control) {
    return reinterpret_cast<HWND>(controlHandle(ControlRef{window, control}));
}

std::wstring windowText(HWND hwnd) {
    wchar_t buffer[256] = {};
    GetWindowTextW(hwnd, buffer, 256);
    return buffer;
}

bool shows(HWND control, int x, int y, COLORREF want) {
    HDC dc = GetDC(control);
    COLORREF got = GetPixel(dc, x, y);
    ReleaseDC(control, dc);
    return std::abs(GetRValue(got) - GetRValue(want)) <= 24 &&
           std::abs(GetGValue(got) - GetGValue(want)) <= 24 &&
           std::abs(GetBValue(got) - GetBValue(want)) <= 24;
}

TEST_F(WindowTest, NativeViewsShowTheModel) {
    HWND window = nullptr;
    HWND pictureBox = nullptr;
    hooks().on["parentCreated"] = [] {
        for (const char* item : {"一", "二", "三"})
            comboAddItem({kParent, Parent::组合框1}, item);
        setProperty(kParent, Parent::组合框1, kComboSelected, 0);
    };
    driver.onWindow(kParent, [&] {
        window = handle(kParent, 0);
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(IsWindowVisible(window));
        EXPECT_EQ(windowText(window), L"父窗口");
        // Captions are GBK in the model and UTF-16 on screen.
        EXPECT_EQ(windowText(handle(kParent, Parent::标签1)), L"中文标签：启动器");
        EXPECT_EQ(windowText(handle(kParent, Parent::选择框1)), L"启用插件控制BOT选项");
        EXPECT_EQ(SendMessageW(handle(kParent, Parent::组合框1), CB_GETCURSEL, 0, 0), 0);
        EXPECT_EQ(handle(kParent, Parent::时钟1), nullptr);
        // Outer size as given, centred on the work area of its monitor.
        RECT frame;
        GetWindowRect(window, &frame);
        EXPECT_EQ(frame.right - frame.left, 400);
        EXPECT_EQ(frame.bottom - frame.top, 300);
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
        EXPECT_NEAR(frame.left + 200, (monitor.rcWork.left + monitor.rcWork.right) / 2, 1);
        EXPECT_NEAR(frame.top + 150, (monitor.rcWork.top + monitor.rcWork.bottom) / 2, 1);
        // Every control sits where its template puts it in the client area.
        for (ControlId id = 1; id <= kParentWindow.controlCount; ++id) {
            const ControlTemplate& want = kParentWindow.controls[id - 1];
            HWND control = handle(kParent, id);
            if (control == nullptr)
                continue;
            RECT got;
            GetWindowRect(control, &got);
            MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&got), 2);
            EXPECT_EQ(got.left, want.rect.left) << want.name;
            EXPECT_EQ(got.top, want.rect.top) << want.name;
            EXPECT_EQ(got.right - got.left, want.rect.width) << want.name;
            EXPECT_EQ(got.bottom - got.top, want.rect.height) << want.name;
        }
        // The red 300 x 103 banner in its blue 184 x 40 box: scaled down to
        // 117 x 40 at x = 33, from the top row to the bottom one.
        HWND banner = handle(kParent, Parent::图片框2);
        for (int y : {0, 20, 39}) {
            EXPECT_TRUE(shows(banner, 32, y, RGB(0, 0, 255))) << y;
            EXPECT_TRUE(shows(banner, 33, y, RGB(255, 0, 0))) << y;
            EXPECT_TRUE(shows(banner, 149, y, RGB(255, 0, 0))) << y;
            EXPECT_TRUE(shows(banner, 150, y, RGB(0, 0, 255))) << y;
        }
        // The stretched 2 x 2 picture: red at the top left, white at the bottom right.
        pictureBox = handle(kParent, Parent::图片框1);
        EXPECT_TRUE(shows(pictureBox, 3, 3, RGB(255, 0, 0)));
        EXPECT_TRUE(shows(pictureBox, 36, 36, RGB(255, 255, 255)));
        // The first tab stop has the focus.
        EXPECT_EQ(GetFocus(), handle(kParent, Parent::按钮1));

        // A program's write shows at once. A text converted for display
        // shows in the display code page ("中文" in BIG5); a template's own
        // caption stays GBK.
        setProperty(kParent, Parent::编辑框1, kEditContent, Text("42"));
        EXPECT_EQ(windowText(handle(kParent, Parent::编辑框1)), L"42");
        setProperty(kParent, Parent::选择框1, kCheckBoxTicked, 1);
        EXPECT_EQ(SendMessageW(handle(kParent, Parent::选择框1), BM_GETCHECK, 0, 0), BST_CHECKED);
        setDisplayCodePage(kCodePageBig5);
        rememberDisplayText("\xA4\xA4\xA4\xE5");
        setProperty(kParent, Parent::标签1, kLabelCaption, Text("\xA4\xA4\xA4\xE5"));
        EXPECT_EQ(windowText(handle(kParent, Parent::标签1)), L"中文");
        setProperty(kParent, Parent::标签1, kLabelCaption, Text("模式选择"));
        EXPECT_EQ(windowText(handle(kParent, Parent::标签1)), L"模式选择");
        setDisplayCodePage(kCodePageGbk);
        setProperty(kParent, Parent::按钮1, kPropDisabled, 1);
        EXPECT_FALSE(IsWindowEnabled(handle(kParent, Parent::按钮1)));

        // Esc in a dropped-down list closes the list, not the window.
        HWND combo = handle(kParent, Parent::组合框1);
        SetFocus(combo);
        SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
        EXPECT_TRUE(driver.pressEsc(kParent));
        EXPECT_TRUE(driver.windowOpen(kParent));
        EXPECT_FALSE(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0));
        // Esc anywhere else closes it.
        SetFocus(handle(kParent, Parent::编辑框1));
        EXPECT_TRUE(driver.pressEsc(kParent));
        EXPECT_FALSE(driver.windowOpen(kParent));
    });
    loadWindow(kParent);
    EXPECT_TRUE(driver.leftOpen().empty());
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(IsWindow(pictureBox));
}

}  // namespace

#endif  // _WIN32
