#include "platform/display.h"

#include <unordered_set>

namespace {

// Texts are stored as GBK; only the language setting switches captions to BIG5.
int gDisplayCodePage = kCodePageGbk;

// The converted texts seen so far. The launcher builds a few dozen distinct
// ones; the cap only guards against a runaway caller.
constexpr size_t kRememberedLimit = 4096;

std::unordered_set<std::string>& rememberedTexts() {
    static std::unordered_set<std::string> texts;
    return texts;
}

bool isPlainAscii(const std::string& text) {
    for (unsigned char c : text) {
        if (c >= 0x80)
            return false;
    }
    return true;
}

}  // namespace

void setDisplayCodePage(int codePage) {
    gDisplayCodePage = codePage;
}

int displayCodePage() {
    return gDisplayCodePage;
}

void rememberDisplayText(const std::string& text) {
    if (gDisplayCodePage == kCodePageGbk || isPlainAscii(text))
        return;
    if (rememberedTexts().size() < kRememberedLimit)
        rememberedTexts().insert(text);
}

int codePageOf(const std::string& text) {
    if (gDisplayCodePage != kCodePageGbk && rememberedTexts().count(text) != 0)
        return gDisplayCodePage;
    return kCodePageGbk;
}
