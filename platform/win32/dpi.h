// The display scale: what the windows are laid out for (96 DPI, the templates'
// pixels) and what the monitor they are on asks for. Everything newer than
// Windows 7's user32 is looked up at run time, with a fallback to what
// Windows 7 has, so that the program starts there unchanged.
// https://learn.microsoft.com/windows/win32/hidpi/high-dpi-desktop-application-development-on-windows
//
// Used by the launcher's views and by our skin library alike; it needs nothing
// but windows.h.
#pragma once

#include <windows.h>

// The DPI the window templates are written for.
inline constexpr int kTemplateDpi = 96;

// A length of the templates (a coordinate, a size, a font height) at `dpi`.
// The one rounding rule for every length: MulDiv's, to the nearest pixel with
// halves away from zero. At 96 DPI every value is itself.
int scaleToDpi(int value, int dpi);

// The DPI of the system: GetDpiForSystem, else the screen's LOGPIXELSY, which
// Windows 7 gives a system-aware program.
int systemDpi();
// The DPI a window is drawn at: GetDpiForWindow (Windows 10 1607), else its
// monitor's (GetDpiForMonitor, Windows 8.1), else the system's.
int windowDpi(HWND window);
// The DPI of a monitor: GetDpiForMonitor, else the system's.
int monitorDpi(HMONITOR monitor);

// The border and title bar that the system gives a window of these styles at
// `dpi`: how far the outer rectangle reaches past the client area on each
// side, all four positive. AdjustWindowRectExForDpi where the system has it;
// else the system's frame, which is that of the system DPI, converted to
// `dpi` when that is another.
RECT frameForDpi(DWORD style, DWORD exStyle, int dpi);

// SPI_GETNONCLIENTMETRICS at `dpi`: SystemParametersInfoForDpi, else the
// system's metrics with their fonts converted from the system DPI.
bool nonClientMetricsForDpi(NONCLIENTMETRICSW& metrics, int dpi);

// For a window in WM_NCCREATE: the title bar and borders follow the DPI of its
// monitor when the process is per-monitor aware of the first version (Windows
// 10 1607 to 1703 without the second version); nothing elsewhere.
void enableNonClientDpiScaling(HWND window);
