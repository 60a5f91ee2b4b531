#include "match/bot_settings.h"

#include "platform/files.h"
#include "platform/window.h"
#include "shell/handlers.h"
#include "shell/settings.h"
#include "shell/window_catalogue.h"

namespace {

constexpr int kMostBots = 31;

ControlRef mainControl(ControlId control) {
    return {MainWindow::kId, control};
}

Text botConfigText(const Text& botCount, int difficulty) {
    return "bot_quota " + botCount + " // Bot Numbers\r\nbot_difficulty " + toText(difficulty) +
           " // Bot Difficult";
}

}  // namespace

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
    writeWholeFile(kBotConfigFile, textToBytes(text));
}
