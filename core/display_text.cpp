#include "core/display_text.h"

#include "core/globals.h"
#include "platform/display.h"
#include "platform/encoding.h"

// The display remembers what it converted, so that only these texts are
// shown in the display code page; everything else stays GBK.
Text displayText(const Text& text) {
    Text shown = convertEncoding(text, g.languageSelector);
    rememberDisplayText(shown);
    return shown;
}

void assignDisplayText(Text& shown, std::string_view text) {
    bool converted = g.languageSelector >= kGbkToBig5 && g.languageSelector <= kShiftJisToGbk;
    if (converted || displayCodePage() != kCodePageGbk) {
        shown = displayText(Text(text));
    } else {
        shown.assign(text);
    }
}
