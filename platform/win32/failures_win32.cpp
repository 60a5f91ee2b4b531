// Failures to the debugger: OutputDebugStringW
// https://learn.microsoft.com/windows/win32/api/debugapi/nf-debugapi-outputdebugstringw
#include "platform/failures.h"

#include <windows.h>

#include <string>

#include "platform/win32/wide.h"

namespace {

// "Access is denied. (5)", in the system's language.
std::wstring systemReason(DWORD error) {
    wchar_t* message = nullptr;
    DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&message), 0, nullptr);
    std::wstring reason = length > 0 ? std::wstring(message, length) : std::wstring();
    LocalFree(message);
    while (!reason.empty() && (reason.back() == L'\n' || reason.back() == L'\r'))
        reason.pop_back();
    return reason + L" (" + std::to_wstring(error) + L")";
}

}  // namespace

void recordFailure(const char* operation, const Text& subject, const Text& reason) {
    // Read first: building the line may itself set the last error.
    DWORD error = GetLastError();
    std::wstring line = L"ZnkLauncher: " + toWide(operation) + L" failed: " + toWide(subject) +
                        L": " + (reason.empty() ? systemReason(error) : toWide(reason)) + L"\n";
    OutputDebugStringW(line.c_str());
    SetLastError(error);
}

void clearSystemError() {
    SetLastError(ERROR_SUCCESS);
}
