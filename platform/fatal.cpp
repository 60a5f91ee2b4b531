#include "platform/fatal.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>

#include "platform/dialogs.h"
#include "platform/display.h"
#include "platform/text.h"

std::string fatalErrorText(int number, const std::string& message) {
    std::string text = "运行时出错!\r\n\r\n";
    if (number != 0)
        text += "错误代码：" + toText(number) + "\r\n\r\n";
    text += "错误信息：" + message + "\r\n";
    return text;
}

void fatalError(int number, const std::string& message) {
    // A fatal error can strike inside the error box's own message loop (a
    // timer or paint handler of another window): the first box is the one
    // that matters, so a second error ends the process at once.
    static std::atomic<bool> reported{false};
    if (!reported.exchange(true)) {
        // The error texts are stored GBK and never converted for display.
        setDisplayCodePage(kCodePageGbk);
        messageBox(fatalErrorText(number, message), kMbIconError, "错误");
    }
    // No static destructors and no clean-up handlers: the error may come from
    // the middle of any handler, with the music thread still playing. Only
    // buffered output is saved.
    std::fflush(nullptr);
    std::_Exit(-1);
}
