#include "platform/skin.h"

Text missingExportMessage(const Text& library, const Text& exportName) {
    return "无法找到指定DLL库文件“" + library + "”中的输出命令“" + exportName + "”";
}
