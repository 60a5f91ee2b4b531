// Every comctl32 since 5.80 has the subclass functions under the ordinals 410, 412 and 413,
// Windows 7's 5.82 included, which is the one the launcher gets (its manifest asks for no
// version 6); only version 6 documents them by name. Imported by name, they could keep the
// library from loading on such a system, so they are asked for by name first and else by
// ordinal.
#include "skin/subclass.h"

namespace {

using SetSubclass = BOOL(WINAPI*)(HWND, SUBCLASSPROC, UINT_PTR, DWORD_PTR);
using RemoveSubclass = BOOL(WINAPI*)(HWND, SUBCLASSPROC, UINT_PTR);
using DefProc = LRESULT(WINAPI*)(HWND, UINT, WPARAM, LPARAM);

template <typename Function>
Function comctl32Function(const char* name, WORD ordinal) {
    HMODULE comctl32 = GetModuleHandleW(L"comctl32.dll");
    if (comctl32 == nullptr)
        comctl32 = LoadLibraryW(L"comctl32.dll");
    if (comctl32 == nullptr)
        return nullptr;
    FARPROC address = GetProcAddress(comctl32, name);
    if (address == nullptr)
        address = GetProcAddress(comctl32, MAKEINTRESOURCEA(ordinal));
    return reinterpret_cast<Function>(reinterpret_cast<void*>(address));
}

}  // namespace

BOOL setSubclass(HWND hwnd, SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR data) {
    static SetSubclass function = comctl32Function<SetSubclass>("SetWindowSubclass", 410);
    return function != nullptr && function(hwnd, proc, id, data);
}

BOOL removeSubclass(HWND hwnd, SUBCLASSPROC proc, UINT_PTR id) {
    static RemoveSubclass function = comctl32Function<RemoveSubclass>("RemoveWindowSubclass", 412);
    return function != nullptr && function(hwnd, proc, id);
}

LRESULT defSubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    static DefProc function = comctl32Function<DefProc>("DefSubclassProc", 413);
    return function != nullptr ? function(hwnd, msg, wp, lp) : DefWindowProcW(hwnd, msg, wp, lp);
}
