// Background music through MCI, short sounds through PlaySound
// https://learn.microsoft.com/windows/win32/multimedia/mci-command-strings
// https://learn.microsoft.com/previous-versions/dd743680(v=vs.85)
//
// The music plays on the UI thread's own message queue: MCI reports the end of
// each file with MM_MCINOTIFY to a message-only window, which starts the next
// file or the next pass. That needs no thread and no locking, and every loop
// the launcher runs (main, modal, message box) dispatches the notification.
#include "platform/audio.h"

#include <windows.h>
#include <mmsystem.h>

#include <string>
#include <vector>

#include "platform/assets.h"
#include "platform/win32/music_queue.h"
#include "platform/win32/wide.h"

namespace {

constexpr const wchar_t* kAlias = L"znkmusic";

struct Music {
    MusicQueue queue;
    bool open = false;
    HWND notifyWindow = nullptr;
};

Music& music() {
    static Music state;
    return state;
}

bool mci(const std::wstring& command, HWND callback = nullptr) {
    return mciSendStringW(command.c_str(), nullptr, 0, callback) == 0;
}

void closeDevice() {
    Music& m = music();
    if (m.open) {
        mci(std::wstring(L"close ") + kAlias);
        m.open = false;
    }
}

void playCurrent();

LRESULT CALLBACK notifyProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == MM_MCINOTIFY) {
        Music& m = music();
        // Only the natural end of the device we still own moves the music on;
        // "aborted" and "superseded" come from our own stop and close.
        if (wParam == MCI_NOTIFY_SUCCESSFUL && m.open &&
            static_cast<MCIDEVICEID>(lParam) == mciGetDeviceIDW(kAlias)) {
            closeDevice();
            m.queue.next(true);
            playCurrent();
        }
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND notifyWindow() {
    Music& m = music();
    if (m.notifyWindow)
        return m.notifyWindow;
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = notifyProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"ZnkMusicNotify";
    RegisterClassW(&windowClass);
    m.notifyWindow = CreateWindowExW(0, windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                     nullptr, windowClass.hInstance, nullptr);
    return m.notifyWindow;
}

bool startFile(const std::wstring& path) {
    Music& m = music();
    // mpegvideo is the DirectShow device: it plays MP3 as well as WAV.
    std::wstring open = L"open \"" + path + L"\" type mpegvideo alias " + kAlias;
    if (!mci(open))
        return false;
    m.open = true;
    if (!mci(std::wstring(L"play ") + kAlias + L" notify", notifyWindow())) {
        closeDevice();
        return false;
    }
    return true;
}

// Starts the queue's current file, skipping files that cannot be played.
void playCurrent() {
    Music& m = music();
    while (const std::wstring* file = m.queue.current()) {
        if (startFile(*file))
            return;
        m.queue.next(false);
    }
}

std::wstring fullPath(const Text& file) {
    std::wstring path = toWidePath(file);
    DWORD length = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (length == 0)
        return path;
    std::wstring full(length, L'\0');
    length = GetFullPathNameW(path.c_str(), length, full.data(), nullptr);
    full.resize(length);
    return full;
}

void stopMusic() {
    music().queue.clear();
    closeDevice();
}

template <typename List>
void playList(int repeatCount, const List& files) {
    // Only the music is replaced: a picture button's click sound that is still
    // playing when its handler restarts the music plays to its end.
    stopMusic();
    std::vector<std::wstring> paths;
    for (const Text& file : files) {
        if (!file.empty())
            paths.push_back(fullPath(file));
    }
    music().queue.start(repeatCount, std::move(paths));
    playCurrent();
}

}  // namespace

void playMp3(int repeatCount, std::initializer_list<Text> files) {
    playList(repeatCount, files);
}

void playMp3(int repeatCount, const TextList& files) {
    playList(repeatCount, files);
}

void stopPlayback() {
    stopMusic();
    PlaySoundW(nullptr, nullptr, 0);
}

void playWaveAsset(const char* assetName) {
    if (!assetName || !*assetName)
        return;
    Asset asset = findAsset(assetName);
    if (!asset.data || asset.size == 0)
        return;
    // Assets live for the whole run, as SND_MEMORY with SND_ASYNC requires.
    PlaySoundW(reinterpret_cast<LPCWSTR>(asset.data), nullptr,
               SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
}
