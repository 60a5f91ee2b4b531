// Stands in for the command processor in GUI tests. Placed as cmd.exe beside
// the launcher, it is the "cmd" that the launcher's copy commands find first.
// Each start appends one line to cmd-standin-log.txt beside the exe:
//
//     <process creation time, FILETIME ticks> TAB <command line, UTF-8> CR LF
//
// then performs the copy that the line asks for when it can:
//
//     /c copy/Y <source folder>\*.* <destination folder>\*.* >nul
//
// A caret makes the next character plain, as cmd's does. A destination
// ending in *.* names the folder the files go to (Wine's own cmd refuses such
// a destination; Windows' takes it). Exit code 0 when at least one file was
// copied, 1 otherwise.
#include <windows.h>

#include "tools/standin/standin_support.h"

#include <cwchar>
#include <string>
#include <vector>

namespace {

unsigned long long creationTime() {
    FILETIME created{}, exited{}, kernel{}, user{};
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    return (static_cast<unsigned long long>(created.dwHighDateTime) << 32) | created.dwLowDateTime;
}

void appendLog(const std::wstring& commandLine) {
    appendToLog(L"cmd-standin-log.txt",
                std::to_string(creationTime()) + "\t" + fromWide(commandLine, CP_UTF8) + "\r\n");
}

// The words of a command line the way cmd splits them: at blanks, with a
// caret making the next character plain and an unescaped '>' ending the
// command (what follows is a redirection).
std::vector<std::wstring> words(const std::wstring& line) {
    std::vector<std::wstring> result;
    std::wstring word;
    bool inWord = false;
    for (size_t i = 0; i < line.size(); ++i) {
        wchar_t c = line[i];
        if (c == L'^' && i + 1 < line.size()) {
            word += line[++i];
            inWord = true;
        } else if (c == L'>') {
            break;
        } else if (c == L' ' || c == L'\t') {
            if (inWord)
                result.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        result.push_back(word);
    return result;
}

std::wstring folderOf(const std::wstring& path) {
    size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? L"." : path.substr(0, slash);
}

bool endsWithAnyFile(const std::wstring& path) {
    return path.size() >= 3 && path.compare(path.size() - 3, 3, L"*.*") == 0;
}

int copyFiles(const std::wstring& source, const std::wstring& destination) {
    std::wstring targetFolder = endsWithAnyFile(destination) ? folderOf(destination) : destination;
    std::wstring sourceFolder = folderOf(source);
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW(source.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return 1;
    int copied = 0;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            continue;
        std::wstring from = sourceFolder + L"\\" + found.cFileName;
        std::wstring to = targetFolder + L"\\" + found.cFileName;
        if (CopyFileW(from.c_str(), to.c_str(), FALSE))
            ++copied;
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return copied > 0 ? 0 : 1;
}

}  // namespace

int wmain() {
    std::wstring commandLine = GetCommandLineW();
    appendLog(commandLine);

    std::vector<std::wstring> parts = words(commandLine);
    // parts[0] is the program itself.
    if (parts.size() < 3 || _wcsicmp(parts[1].c_str(), L"/c") != 0)
        return 1;
    size_t next = 2;
    std::wstring verb = parts[next++];
    if (_wcsicmp(verb.c_str(), L"copy/Y") != 0) {
        if (_wcsicmp(verb.c_str(), L"copy") != 0)
            return 1;
        if (next < parts.size() && _wcsicmp(parts[next].c_str(), L"/Y") == 0)
            ++next;
    }
    if (parts.size() - next != 2)
        return 1;
    return copyFiles(parts[next], parts[next + 1]);
}
