// The skin library is loaded on first use, like an import that is resolved
// lazily: the launcher writes the file out just before, so it cannot be a
// load-time import of the exe.
#include "platform/skin.h"

#include <windows.h>

#include "platform/fatal.h"
#include "platform/files.h"
#include "platform/win32/wide.h"

namespace {

HMODULE skinLibrary() {
    static HMODULE library = nullptr;
    if (library == nullptr) {
        std::wstring local = toWidePath(runDirectory() + "\\" + kSkinLibraryName);
        library = LoadLibraryW(local.c_str());
        if (library == nullptr)
            library = LoadLibraryW(toWide(kSkinLibraryName).c_str());
    }
    return library;
}

// GetProcAddress returns a generic function pointer; going through void*
// states that the real signature is known to us, not to the compiler.
template <typename Function>
Function skinExport(const char* name) {
    HMODULE library = skinLibrary();
    FARPROC address = library != nullptr ? GetProcAddress(library, name) : nullptr;
    if (address == nullptr)
        fatalError(0, missingExportMessage(kSkinLibraryName, name));
    return reinterpret_cast<Function>(reinterpret_cast<void*>(address));
}

using AttachRes = int(__stdcall*)(const unsigned char*, int, const char*, int, int, int);
using SetAero = int(__stdcall*)(int);

}  // namespace

int skinAttachRes(const Bytes& skin, const Text& password, int hue, int saturation,
                  int brightness) {
    static AttachRes attach = skinExport<AttachRes>("SkinH_AttachRes");
    return attach(reinterpret_cast<const unsigned char*>(skin.data()),
                  static_cast<int>(skin.size()), password.c_str(), hue, saturation, brightness);
}

int skinSetAero(int enable) {
    static SetAero setAero = skinExport<SetAero>("SkinH_SetAero");
    return setAero(enable);
}
