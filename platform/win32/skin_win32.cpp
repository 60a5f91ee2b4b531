// The skin library is loaded on first use, like an import that is resolved
// lazily: the launcher writes the file out just before, so it cannot be a
// load-time import of the exe.
//
// The game folder's SkinH_EL.dll is used when this process can call it. One
// it cannot (a library of the other machine type, left there by a 32-bit
// launcher for a 64-bit one or the other way round; a file that is no library;
// one without the two exports) is left as it is, and the launcher's own
// library is loaded from a private copy instead. So is it when the folder
// cannot be written and holds no library at all.
#include "platform/skin.h"

#include <windows.h>
#include <shlobj.h>

#include <vector>

#include "platform/assets.h"
#include "platform/fatal.h"
#include "platform/files.h"
#include "platform/win32/name_hash.h"
#include "platform/win32/wide.h"

namespace {

constexpr const char* kAttachResName = "SkinH_AttachRes";
constexpr const char* kSetAeroName = "SkinH_SetAero";

// A library with both exports, or null; anything else is unloaded again. The
// system shows no box of its own for a file that is not what its name says.
HMODULE loadCallable(const std::wstring& path) {
    DWORD previousMode = 0;
    bool quiet = SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &previousMode);
    HMODULE library = LoadLibraryW(path.c_str());
    if (quiet)
        SetThreadErrorMode(previousMode, nullptr);
    if (library != nullptr && (GetProcAddress(library, kAttachResName) == nullptr ||
                               GetProcAddress(library, kSetAeroName) == nullptr)) {
        FreeLibrary(library);
        return nullptr;
    }
    return library;
}

std::wstring withoutTrailingSlash(std::wstring folder) {
    while (!folder.empty() && folder.back() == L'\\')
        folder.pop_back();
    return folder;
}

// Folders of the user's own for the private copy: his local application data,
// else the temporary folder. shell32 is loaded only when a copy is needed.
std::vector<std::wstring> privateBases() {
    std::vector<std::wstring> bases;
    using GetFolderPath = HRESULT(WINAPI*)(HWND, int, HANDLE, DWORD, LPWSTR);
    if (HMODULE shell = LoadLibraryW(L"shell32.dll")) {
        auto getFolderPath = reinterpret_cast<GetFolderPath>(
            reinterpret_cast<void*>(GetProcAddress(shell, "SHGetFolderPathW")));
        wchar_t path[MAX_PATH] = {};
        if (getFolderPath != nullptr &&
            SUCCEEDED(getFolderPath(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr,
                                    SHGFP_TYPE_CURRENT, path))) {
            bases.push_back(withoutTrailingSlash(path));
        }
        FreeLibrary(shell);
    }
    wchar_t temp[MAX_PATH + 1] = {};
    DWORD length = GetTempPathW(MAX_PATH + 1, temp);
    if (length > 0 && length <= MAX_PATH)
        bases.push_back(withoutTrailingSlash(std::wstring(temp, length)));
    return bases;
}

// The copy's name carries a hash of its bytes: launchers of other versions and
// of the other machine type keep copies of their own, and none has to replace
// a library that another running launcher has loaded.
HMODULE loadPrivateCopy() {
    Bytes image = assetBytes(kSkinLibraryName);
    if (image.empty())
        return nullptr;
    std::wstring name = L"SkinH_EL-" + nameHash(image.data(), image.size()) + L".dll";
    for (const std::wstring& base : privateBases()) {
        std::wstring folder = base + L"\\ZnkLauncher";
        CreateDirectoryW(folder.c_str(), nullptr);
        Text path = fromWidePath(folder) + "\\" + fromWide(name);
        if (readWholeFile(path) != image && !writeWholeFile(path, image))
            continue;
        if (HMODULE library = loadCallable(toWidePath(path)))
            return library;
    }
    return nullptr;
}

// From the launcher's folder first, then through the system's library search,
// then the private copy.
HMODULE chooseLibrary() {
    if (HMODULE library = loadCallable(toWidePath(runDirectory() + "\\" + kSkinLibraryName)))
        return library;
    if (HMODULE library = loadCallable(toWide(kSkinLibraryName)))
        return library;
    return loadPrivateCopy();
}

HMODULE skinLibrary() {
    static HMODULE library = chooseLibrary();
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
    static AttachRes attach = skinExport<AttachRes>(kAttachResName);
    return attach(reinterpret_cast<const unsigned char*>(skin.data()),
                  static_cast<int>(skin.size()), password.c_str(), hue, saturation, brightness);
}

int skinSetAero(int enable) {
    static SetAero setAero = skinExport<SetAero>(kSetAeroName);
    return setAero(enable);
}
