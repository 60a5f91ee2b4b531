// The real exe at the display scales players use: Wine takes its DPI from
// HKCU\Control Panel\Desktop\LogPixels, read by each process as it starts
// (no server restart). The test sets it for the launcher it starts and puts
// the old value back, so that every other test runs at 96 DPI.
#include <string>
#include <vector>

#include "assets/asset_names.h"
#include "gui_test.h"
#include "platform/win32/window_win32.h"
#include "shell/templates/templates.h"
#include "skin/skin_data.h"

namespace {

constexpr const wchar_t* kDesktopKey = L"Control Panel\\Desktop";

// LogPixels for the length of a test; the previous value (or its absence) afterwards.
class LogPixels {
  public:
    explicit LogPixels(DWORD dpi) {
        RegCreateKeyExW(HKEY_CURRENT_USER, kDesktopKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key_, nullptr);
        DWORD size = sizeof previous_;
        DWORD type = 0;
        had_ = RegQueryValueExW(key_, L"LogPixels", nullptr, &type,
                                reinterpret_cast<BYTE*>(&previous_), &size) == ERROR_SUCCESS &&
               type == REG_DWORD;
        set_ = RegSetValueExW(key_, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi),
                              sizeof dpi) == ERROR_SUCCESS;
    }
    ~LogPixels() {
        if (had_) {
            RegSetValueExW(key_, L"LogPixels", 0, REG_DWORD,
                           reinterpret_cast<const BYTE*>(&previous_), sizeof previous_);
        } else {
            RegDeleteValueW(key_, L"LogPixels");
        }
        RegCloseKey(key_);
    }
    bool set() const { return set_; }

  private:
    HKEY key_ = nullptr;
    DWORD previous_ = 0;
    bool had_ = false;
    bool set_ = false;
};

// A length of the templates at `dpi`, computed here as the system computes it.
int at(int value, int dpi) {
    return MulDiv(value, dpi, 96);
}

// The frame a window of these styles has at `dpi`, from the system.
RECT frameAt(HWND window, int dpi) {
    using Adjust = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    auto adjust = reinterpret_cast<Adjust>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi")));
    RECT outer{};
    if (adjust != nullptr) {
        adjust(&outer, static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)), FALSE,
               static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)), static_cast<UINT>(dpi));
    }
    return outer;
}

HFONT makeFont(int height, int weight, int charset, const std::wstring& face) {
    return CreateFontW(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, static_cast<BYTE>(charset),
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, face.c_str());
}

// The font a control draws its caption in at `dpi`, made in this process (a
// font handle means nothing in another): the template's own font, else, for
// the controls the skin takes on, the skin's font, else the default GUI font.
// Heights are those of 96 DPI scaled.
class CaptionFont {
  public:
    CaptionFont(const ControlTemplate& control, const SkinTheme& skin, int dpi) {
        const bool skinned =
            control.kind == ControlKind::Button || control.kind == ControlKind::CheckBox;
        if (control.font.height > 0) {
            font_ = makeFont(at(control.font.height, dpi), control.font.weight,
                             control.font.charset, toWide(control.font.face));
        } else if (skinned && skin.hasFont()) {
            font_ = makeFont(
                at(skin.fontHeight, dpi), skin.fontWeight, skin.fontCharset,
                std::wstring(skin.fontFace,
                             skin.fontFace + std::char_traits<char16_t>::length(skin.fontFace)));
        } else {
            LOGFONTW standard{};
            GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof standard, &standard);
            standard.lfHeight = at(standard.lfHeight, dpi);
            font_ = CreateFontIndirectW(&standard);
        }
    }
    ~CaptionFont() { DeleteObject(font_); }
    CaptionFont(const CaptionFont&) = delete;
    CaptionFont& operator=(const CaptionFont&) = delete;
    HFONT get() const { return font_; }

  private:
    HFONT font_ = nullptr;
};

// Whether a caption fits the room its control gives it at `dpi`, wrapped at
// words as the controls wrap it: labels their whole box, push buttons the box
// less the skin's margins, check boxes the box less the box mark and its gap.
// A label keeps a text that is a little too tall inside its box down to the
// blank above the first line's strokes (the font's internal leading); in the
// other controls every line must fit whole.
bool captionFits(const ControlTemplate& control, const std::wstring& caption, const SkinTheme& skin,
                 int dpi) {
    int width = at(control.rect.width, dpi);
    int height = at(control.rect.height, dpi);
    if (control.kind == ControlKind::Button) {
        width -= 2 * at(4, dpi);
        height -= 2 * at(2, dpi);
    } else if (control.kind == ControlKind::CheckBox) {
        width -= at(13, dpi) + at(4, dpi);
    }
    CaptionFont font(control, skin, dpi);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font.get());
    RECT room{0, 0, width, height};
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &room,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    DeleteDC(dc);
    const bool label =
        control.kind == ControlKind::Label || control.kind == ControlKind::TransparentLabel;
    return room.right <= width && room.bottom - (label ? metrics.tmInternalLeading : 0) <= height;
}

SkinTheme skinInUse() {
    SkinTheme theme;
    std::string bytes = gui::readFile(gui::hostPath(ZNK_SKINS_FOLDER) + L"\\" +
                                      toWide(assetName::kSkins[assetName::kSkinInUse - 1]));
    parseSkin(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), &theme);
    return theme;
}

// The window's client area and every control: the template's scaled; every
// caption that fits at 96 DPI fits here too.
void expectLaidOutFor(HWND window, const WindowTemplate& source, int dpi) {
    SCOPED_TRACE(source.name);
    RECT frame96 = frameAt(window, 96);
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, at(source.width - (frame96.right - frame96.left), dpi));
    EXPECT_EQ(client.bottom, at(source.height - (frame96.bottom - frame96.top), dpi));
    RECT frame = gui::windowRect(window);
    RECT frameHere = frameAt(window, dpi);
    EXPECT_EQ(frame.right - frame.left, client.right + frameHere.right - frameHere.left);

    static const SkinTheme skin = skinInUse();
    ASSERT_TRUE(skin.hasFont()) << "the skin in use has no font: " << ZNK_SKINS_FOLDER;
    int fitting = 0;
    for (int index = 0; index < source.controlCount; ++index) {
        const ControlTemplate& control = source.controls[index];
        HWND child = GetDlgItem(window, kControlIdBase + index + 1);
        if (child == nullptr)
            continue;
        SCOPED_TRACE(control.name);
        RECT placed = gui::windowRect(child);
        MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&placed), 2);
        EXPECT_EQ(placed.left, at(control.rect.left, dpi));
        EXPECT_EQ(placed.top, at(control.rect.top, dpi));
        EXPECT_EQ(placed.right - placed.left, at(control.rect.width, dpi));
        // A closed drop-down list is as high as its selection field, which the system sizes.
        if (control.kind != ControlKind::ComboBox) {
            EXPECT_EQ(placed.bottom - placed.top, at(control.rect.height, dpi));
        }
        switch (control.kind) {
            case ControlKind::Button:
            case ControlKind::Label:
            case ControlKind::TransparentLabel:
            case ControlKind::CheckBox: {
                std::wstring caption = gui::text(child);
                if (!caption.empty() && captionFits(control, caption, skin, 96)) {
                    ++fitting;
                    EXPECT_TRUE(captionFits(control, caption, skin, dpi))
                        << fromWide(caption, CP_UTF8);
                }
                break;
            }
            default:
                break;
        }
    }
    EXPECT_GT(fitting, 0);
}

class DpiGuiTest : public LauncherGuiTest, public ::testing::WithParamInterface<int> {};

TEST_P(DpiGuiTest, WindowsAreTheTemplatesScaledAndTheMapLaunchStillStartsTheGame) {
    const int dpi = GetParam();
    LogPixels setting(static_cast<DWORD>(dpi));
    ASSERT_TRUE(setting.set());
    // The stand-in cmd.exe beside the launcher takes the copies of the launch.
    ASSERT_TRUE(copyGame(game));
    ASSERT_TRUE(
        CopyFileW(gui::hostPath(ZNK_CMD_STANDIN).c_str(), game.file(L"cmd.exe").c_str(), FALSE));
    ASSERT_TRUE(launcher.start(game.path())) << why();
    HWND main = launcher.waitForMainWindow();
    ASSERT_NE(main, nullptr) << why();
    ASSERT_TRUE(launcher.waitForIdle()) << why();
    expectLaidOutFor(main, kMainWindowTemplate, dpi);

    HWND chooser = gui::openFromMain(launcher, gui::LauncherWindow::ModeChooser);
    ASSERT_NE(chooser, nullptr) << why();
    expectLaidOutFor(chooser, kModeChooserTemplate, dpi);
    ASSERT_TRUE(gui::backToMain(launcher)) << why();

    if (dpi != 144)
        return;
    // The map launch, pressed where its template puts it at this scale.
    POINT middle{at(kMainWindowTemplate.controls[MainWindow::按钮15 - 1].rect.left +
                        kMainWindowTemplate.controls[MainWindow::按钮15 - 1].rect.width / 2,
                    dpi),
                 at(kMainWindowTemplate.controls[MainWindow::按钮15 - 1].rect.top +
                        kMainWindowTemplate.controls[MainWindow::按钮15 - 1].rect.height / 2,
                    dpi)};
    HWND pressed = ChildWindowFromPoint(main, middle);
    ASSERT_EQ(pressed, gui::control(main, MainWindow::按钮15));
    ASSERT_TRUE(gui::press(pressed)) << why();
    DWORD exitCode = 1;
    ASSERT_TRUE(launcher.waitForExit(gui::kWaitMs, &exitCode)) << why();
    EXPECT_EQ(exitCode, 0u);
    EXPECT_TRUE(gui::waitUntil([&] { return game.exists(L"standin-log.txt"); }));
    EXPECT_EQ(game.read(L"standin-log.txt").rfind("cstrike.exe +map ", 0), 0u);
}

INSTANTIATE_TEST_SUITE_P(LogPixels, DpiGuiTest, ::testing::Values(96, 120, 144, 192));

}  // namespace
