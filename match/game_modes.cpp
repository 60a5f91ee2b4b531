#include "match/game_modes.h"

#include "core/display_text.h"
#include "core/game_files.h"
#include "core/globals.h"
#include "core/window_ids.h"
#include "platform/audio.h"
#include "platform/files.h"
#include "platform/window.h"

namespace {

struct Mode {
    const char* tag;
    const char* caption;
    const char* chooserPicture;  // nullptr: the chooser keeps its built-in picture
    const char* loadingCode;
};

constexpr Mode kModes[kModeCount] = {
    {"none", "当前模式：竞技模式", "LauncherRes\\picture\\mod_bg_none.jpg", "NO"},
    {"td", "当前模式：团队决战模式", "LauncherRes\\picture\\mod_bg_td.jpg", "DM1"},
    {"zb1", "当前模式：生化模式I", "LauncherRes\\picture\\mod_bg_zb1.jpg", "ZM3"},
    {"ze", "当前模式：生化大逃杀", nullptr, "ZE"},
    {"gd", "当前模式：枪王决战模式", nullptr, "GD"},
};

// The modes whose lists each activation renames, in the order it renames
// them (mode 1 leaves the zb1 list for last). The order decides the outcome
// when a folder holds more than one "plugins-" list, so it stays as it is.
constexpr int kRenameOrder[kModeCount][kModeCount] = {
    {1, 2, 4, 5, 3}, {1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}, {1, 2, 3, 4, 5},
};

// The chooser's picture buttons, by mode.
constexpr ControlId kChooserButtons[kModeCount] = {
    ModeChooser::超级按钮1, ModeChooser::超级按钮2, ModeChooser::超级按钮3,
    ModeChooser::超级按钮4, ModeChooser::超级按钮5,
};

// The mode whose tip the mode label shows: 0 until the first hover of a run
// (detectCurrentMode, a start-up step, clears it).
int gTipMode = 0;

Text pluginList(const char* state, int mode) {
    return amxConfigFile(Text(state) + "-" + kModes[mode - 1].tag + ".ini");
}

Text activeList(int mode) {
    return pluginList("plugins", mode);
}

Text inactiveList(int mode) {
    return pluginList("disabled", mode);
}

}  // namespace

void activateMode(int mode) {
    if (mode < 1 || mode > kModeCount)
        return;
    g.currentMode = mode;
    setProperty(ControlRef{MainWindow::kId, MainWindow::按钮13}, kButtonCaption,
                displayText(kModes[mode - 1].caption));
    for (int other : kRenameOrder[mode - 1]) {
        if (other == mode) {
            renameFile(inactiveList(other), activeList(other));
        } else {
            renameFile(activeList(other), inactiveList(other));
        }
    }
}

Text modeLoadingCode(int mode) {
    if (mode < 1 || mode > kModeCount)
        return Text();
    return kModes[mode - 1].loadingCode;
}

// Each test comes after the renames of the activations before it, so with one
// "plugins-" list exactly one activation runs and re-applies its renames.
void detectCurrentMode() {
    gTipMode = 0;
    for (int mode = 1; mode <= kModeCount; ++mode) {
        if (fileExists(activeList(mode)))
            activateMode(mode);
    }
}

// The tip follows the mode lazily: it is read again only at the first hover
// after the mode changed. Tip files are shown as stored.
void onModeTipHovered() {
    if (g.currentMode == gTipMode)
        return;
    Text path =
        runDirectory() + "\\LauncherRes\\Data\\ModeTip\\Tip_" + toText(g.currentMode) + ".txt";
    Text tip = bytesToText(readWholeFile(path));
    addBalloonTip(controlHandle(ControlRef{MainWindow::kId, MainWindow::标签1}), tip, true, false);
    gTipMode = g.currentMode;
}

// The music stays off while the chooser is open.
void onModeButtonClicked() {
    stopPlayback();
    loadWindow(ModeChooser::kId, true);
}

void onModeChooserCreated() {
    setProperty(ControlRef{ModeChooser::kId, ModeChooser::标签1}, kLabelCaption,
                displayText("模式选择"));
    for (int mode = 1; mode <= kModeCount; ++mode) {
        if (kModes[mode - 1].chooserPicture == nullptr)
            continue;
        setProperty(ControlRef{ModeChooser::kId, kChooserButtons[mode - 1]}, kPictureButtonNormal,
                    readWholeFile(kModes[mode - 1].chooserPicture));
    }
}

void onModePictureClicked() {
    ControlRef source = eventSourceControl();
    for (int mode = 1; mode <= kModeCount; ++mode) {
        if (source.control == kChooserButtons[mode - 1]) {
            activateMode(mode);
            closeWindow(source);
            return;
        }
    }
}

// Runs however the chooser closes: after a choice, its close box or Esc.
void onModeChooserDestroyed() {
    playMp3(-1, {kMusicFile});
}
