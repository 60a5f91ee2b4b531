// The process entry of the Windows program.
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <cwctype>
#include <string>

#include "platform/assets.h"
#include "platform/entry.h"

namespace {

// Every RCDATA resource is an asset under its lower-case name.
BOOL CALLBACK registerResource(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR) {
    if (IS_INTRESOURCE(name))
        return TRUE;
    HRSRC found = FindResourceW(module, name, type);
    HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
    const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (data == nullptr)
        return TRUE;
    std::string key;
    for (const wchar_t* c = name; *c != L'\0'; ++c) {
        key.push_back(static_cast<char>(std::towlower(*c)));
    }
    registerAsset(key,
                  Asset{static_cast<const unsigned char*>(data), SizeofResource(module, found)});
    return TRUE;
}

}  // namespace

// An exception that nothing catches ends the program as abort does. The
// default handler would first print the exception's type, for which it links
// libstdc++'s demangler into the exe; a GUI program has nowhere to print it.
namespace __gnu_cxx {
void __verbose_terminate_handler() {
    std::abort();
}
}  // namespace __gnu_cxx

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    EnumResourceNamesW(instance, RT_RCDATA, registerResource, 0);
    return launcherMain();
}
