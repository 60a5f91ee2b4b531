#include "core/settings.h"

#include "platform/encoding.h"
#include "platform/ini.h"

namespace {
constexpr const char* kChoicesSection = "Map";

int readChoice(const char* key) {
    return toInteger(readIniItem(kChoicesFile, kChoicesSection, key));
}
}  // namespace

int readLanguageSelector() {
    int lang = toInteger(readIniItem(kLanguageFile, "Language", "lang"));
    return lang == 1 ? kNoConversion : kGbkToBig5;
}

SavedChoices readSavedChoices() {
    SavedChoices choices;
    choices.lastChoice = readChoice("lastchoice");
    choices.controlBot = readChoice("controlbot") == 1;
    choices.botNum = toText(readChoice("botnum"));
    choices.botDifficulty = readChoice("botdifficult");
    return choices;
}

bool saveChoices(const SavedChoices& choices) {
    bool saved = writeIniItem(kChoicesFile, kChoicesSection, "controlbot",
                              Text(choices.controlBot ? "1" : "0"));
    saved = writeIniItem(kChoicesFile, kChoicesSection, "botnum", choices.botNum) && saved;
    saved = writeIniItem(kChoicesFile, kChoicesSection, "lastchoice", toText(choices.lastChoice)) &&
            saved;
    saved = writeIniItem(kChoicesFile, kChoicesSection, "botdifficult",
                         toText(choices.botDifficulty)) &&
            saved;
    return saved;
}
