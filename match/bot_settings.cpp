#include "match/bot_settings.h"

#include <algorithm>

#include "core/display_text.h"
#include "core/game_files.h"
#include "core/settings.h"
#include "core/window_ids.h"
#include "match/map_catalogue.h"
#include "platform/files.h"
#include "platform/window.h"

namespace {

constexpr int kMostBots = 31;

ControlRef mainControl(ControlId control) {
    return {MainWindow::kId, control};
}

Text botConfigText(const Text& botCount, int difficulty) {
    return "bot_quota " + botCount + " // Bot Numbers\r\nbot_difficulty " + toText(difficulty) +
           " // Bot Difficult";
}

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

Text botConfigFile() {
    return amxConfigFile("znk_launcher.cfg");
}

void restoreMapChoice(const SavedChoices& saved) {
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

void restoreBotChoices(const SavedChoices& saved) {
    // Past the end selects the hardest level; a stored index below -1 leaves
    // the list without a selection, and the bot file then says so (-1).
    ControlRef list = mainControl(MainWindow::组合框2);
    int count = comboItemCount(list);
    setProperty(list, kComboSelected, std::max(-1, std::min(saved.botDifficulty, count - 1)));
    setProperty(mainControl(MainWindow::编辑框3), kEditContent, saved.botNum);
}

// Setting the text raises this event again, which then finds it in range.
void onBotCountChanged() {
    ControlRef box = mainControl(MainWindow::编辑框3);
    if (toInteger(getText(box, kEditContent)) < 0)
        setProperty(box, kEditContent, Text("0"));
    if (toInteger(getText(box, kEditContent)) > kMostBots)
        setProperty(box, kEditContent, toText(kMostBots));
}

void saveMainWindowChoices() {
    SavedChoices choices;
    choices.controlBot = getBool(mainControl(MainWindow::选择框1), kCheckBoxTicked);
    choices.botNum = getText(mainControl(MainWindow::编辑框3), kEditContent);
    choices.lastChoice = getInt(mainControl(MainWindow::组合框1), kComboSelected);
    choices.botDifficulty = getInt(mainControl(MainWindow::组合框2), kComboSelected);
    saveChoices(choices);
}

void writeBotConfig() {
    if (!getBool(mainControl(MainWindow::选择框1), kCheckBoxTicked))
        return;
    Text text = botConfigText(getText(mainControl(MainWindow::编辑框3), kEditContent),
                              getInt(mainControl(MainWindow::组合框2), kComboSelected));
    writeWholeFile(botConfigFile(), textToBytes(text));
}
