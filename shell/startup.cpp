#include "shell/startup.h"

#include <cstdlib>

#include "core/display_text.h"
#include "core/game_files.h"
#include "core/globals.h"
#include "core/settings.h"
#include "core/window_ids.h"
#include "match/bot_settings.h"
#include "match/game_modes.h"
#include "match/map_catalogue.h"
#include "platform/audio.h"
#include "platform/display.h"
#include "platform/encoding.h"
#include "platform/files.h"
#include "platform/instance.h"
#include "platform/window.h"
#include "shell/skin_setup.h"
#include "shell/templates/templates.h"

int runLauncher() {
    enterRunDirectory();
    // A launcher of this folder already runs: it has been brought to the front.
    if (!claimLauncherFolder())
        return 0;
    createGlobalTables();
    std::atexit(releaseGlobalTables);
    registerWindowTemplates();
    loadWindow(MainWindow::kId, true);
    return 0;
}

void onMainWindowCreated() {
    g.languageSelector = readLanguageSelector();
    setDisplayCodePage(g.languageSelector == kNoConversion ? kCodePageGbk : kCodePageBig5);
    playMp3(-1, {kMusicFile});
    setUpSkin();
    detectCurrentMode();
    loadMapCatalogue();
    const SavedChoices saved = readSavedChoices();
    restoreMapChoice(saved);
    fillDifficultyList();
    setProperty(ControlRef{MainWindow::kId, MainWindow::按钮1}, kButtonCaption,
                displayText("手臂管理(NEW)"));
    restoreBotChoices(saved);
}
