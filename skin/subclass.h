// comctl32's window subclassing, with the functions found at run time (skin/subclass.cpp says
// why). Same arguments and results as SetWindowSubclass, RemoveWindowSubclass and
// DefSubclassProc.
#pragma once

#include <windows.h>
#include <commctrl.h>

BOOL setSubclass(HWND hwnd, SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR data);
BOOL removeSubclass(HWND hwnd, SUBCLASSPROC proc, UINT_PTR id);
LRESULT defSubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
