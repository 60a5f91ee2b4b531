#include <windows.h>

#include "platform/dialogs.h"
#include "platform/display.h"
#include "platform/win32/wide.h"

int messageBox(const Text& message, int flags, const Text& caption) {
    UINT style = static_cast<UINT>(flags);
    if ((style & MB_SYSTEMMODAL) == 0)
        style |= MB_TASKMODAL;
    int pressed =
        MessageBoxW(nullptr, toWide(message, static_cast<unsigned>(codePageOf(message))).c_str(),
                    toWide(caption, static_cast<unsigned>(codePageOf(caption))).c_str(), style);
    switch (pressed) {
        case IDOK:
            return kIdOk;
        case IDCANCEL:
            return kIdCancel;
        case IDABORT:
            return kIdAbort;
        case IDRETRY:
            return kIdRetry;
        case IDIGNORE:
            return kIdIgnore;
        case IDYES:
            return kIdYes;
        case IDNO:
            return kIdNo;
        default:
            return kIdOk;
    }
}

int messageBox(int message, int flags, const Text& caption) {
    return messageBox(toText(message), flags, caption);
}
