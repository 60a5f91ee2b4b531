#include "core/write_refused.h"

#include "core/display_text.h"
#include "platform/dialogs.h"

void tellFileNotWritten(const Text& file) {
    messageBox(displayText("文件无法写入：" + file + "\n请检查该文件是否为只读。"),
               kMbOk | kMbIconExclamation, displayText("警告"));
}
