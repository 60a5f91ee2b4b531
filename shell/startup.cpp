#include "shell/startup.h"

#include <algorithm>
#include <cstdlib>

#include "platform/audio.h"
#include "platform/display.h"
#include "platform/encoding.h"
#include "platform/files.h"
#include "platform/window.h"
#include "shell/globals.h"
#include "shell/handlers.h"
#include "shell/settings.h"
#include "shell/skin_setup.h"
#include "shell/startup_steps.h"
#include "shell/window_catalogue.h"

namespace {

constexpr const char* kMusicFile = "mywpnbg.mp3";

ControlRef mainControl(ControlId control) {
    return {MainWindow::kId, control};
}

}  // namespace

Text displayText(const Text& text) {
    Text shown = convertEncoding(text, g.languageSelector);
    rememberDisplayText(shown);
    return shown;
}

int runLauncher() {
    enterRunDirectory();
    createGlobalTables();
    std::atexit(releaseGlobalTables);
    registerWindowCatalogue();
    loadWindow(MainWindow::kId, true);
    return 0;
}

namespace {

// The map list bounds a stored index: past the end means the last map, and
// anything below the first (a saved -1 included) means the first, so that a
// list with maps always has one chosen.
void selectWithinList(ControlRef list, int index) {
    int count = comboItemCount(list);
    if (index >= count)
        index = count - 1;
    if (index < 0)
        index = count > 0 ? 0 : -1;
    setProperty(list, kComboSelected, index);
}

}  // namespace

void restoreMapChoice() {
    SavedChoices saved = readSavedChoices();
    selectWithinList(mainControl(MainWindow::组合框1), saved.lastChoice);
    refreshMapPreview();
    setProperty(mainControl(MainWindow::选择框1), kCheckBoxTicked, saved.controlBot ? 1 : 0);
}

void fillDifficultyList() {
    ControlRef list = mainControl(MainWindow::组合框2);
    const char* levels[] = {"简单", "中等", "困难", "精英"};
    for (int level = 1; level <= 4; ++level) {
        comboAddItem(list, displayText(levels[level - 1]), level);
    }
}

void restoreBotChoices() {
    SavedChoices saved = readSavedChoices();
    // Past the end selects the hardest level; a stored index below -1 leaves
    // the list without a selection, and the bot file then says so (-1).
    ControlRef list = mainControl(MainWindow::组合框2);
    int count = comboItemCount(list);
    setProperty(list, kComboSelected, std::max(-1, std::min(saved.botDifficulty, count - 1)));
    setProperty(mainControl(MainWindow::编辑框3), kEditContent, saved.botNum);
}

void onMainWindowCreated() {
    g.languageSelector = readLanguageSelector();
    setDisplayCodePage(g.languageSelector == kNoConversion ? kCodePageGbk : kCodePageBig5);
    playMp3(-1, {kMusicFile});
    setUpSkin();
    detectCurrentMode();
    loadMapCatalogue();
    restoreMapChoice();
    fillDifficultyList();
    setProperty(mainControl(MainWindow::按钮1), kButtonCaption, displayText("手臂管理(NEW)"));
    restoreBotChoices();
}
