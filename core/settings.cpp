#include "core/settings.h"

#include "platform/encoding.h"
#include "platform/files.h"
#include "platform/ini.h"
#include "platform/ini_format.h"

namespace {
constexpr const char* kChoicesSection = "Map";
}  // namespace

int readLanguageSelector() {
    int lang = toInteger(readIniItem(kLanguageFile, "Language", "lang"));
    return lang == 1 ? kNoConversion : kGbkToBig5;
}

SavedChoices readSavedChoices() {
    // One read for the four items: a missing file or key reads as 0.
    const Bytes file = readWholeFile(kChoicesFile);
    auto readChoice = [&file](const char* key) {
        return toInteger(iniLookup(file, kChoicesSection, key).value_or(Text()));
    };
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
