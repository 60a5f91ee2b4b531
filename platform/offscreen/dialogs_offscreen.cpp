#include <cstdio>

#include "platform/dialogs.h"
#include "platform/offscreen/iconv_text.h"
#include "platform/offscreen/system.h"

int messageBox(const Text& message, int flags, const Text& caption) {
    OffscreenSystem& system = OffscreenSystem::current();
    system.messageBoxes.push_back({message, flags, caption});
    // Shown on stderr too, so that a test of a process that ends (a death
    // test) can still see what the box said.
    std::string line =
        iconvText(caption, "GBK", "UTF-8") + ": " + iconvText(message, "GBK", "UTF-8") + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
    if (system.messageBoxAnswers.empty())
        return kIdOk;
    int answer = system.messageBoxAnswers.front();
    system.messageBoxAnswers.pop_front();
    return answer;
}

int messageBox(int message, int flags, const Text& caption) {
    return messageBox(toText(message), flags, caption);
}
