// The skin library SkinH_EL.dll in the launcher's folder: its two exports,
// each looked up at its first call (from the launcher's folder first, then the
// system's library search). A library there that this process cannot call
// (another machine type, no library at all, without the two exports) is left
// alone, and the launcher's own library (the asset named kSkinLibraryName) is
// used from a private copy in the user's local application data or temporary
// folder. Only when that fails too is it the fatal error
// "无法找到指定DLL库文件“SkinH_EL.dll”中的输出命令“<export>”".
#pragma once

#include "platform/text.h"

inline constexpr const char* kSkinLibraryName = "SkinH_EL.dll";

int skinAttachRes(const Bytes& skin, const Text& password, int hue, int saturation, int brightness);
int skinSetAero(int enable);

// The fatal message for a missing export.
Text missingExportMessage(const Text& library, const Text& exportName);
