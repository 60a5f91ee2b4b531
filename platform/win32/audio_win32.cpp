// Background music through the system's MP3 codec and waveOut, with MCI as
// the fallback for what the codec cannot take; short sounds through PlaySound
// https://learn.microsoft.com/windows/win32/multimedia/waveform-audio
// https://learn.microsoft.com/windows/win32/multimedia/mci-command-strings
// https://learn.microsoft.com/previous-versions/dd743680(v=vs.85)
//
// The music plays on a thread of its own, which owns every codec, waveOut and
// MCI call. playMp3 and stopPlayback post their commands to the thread's
// message-only window, in the order they were made; waveOut hands each played
// buffer back with MM_WOM_DONE and MCI reports the end of a file with
// MM_MCINOTIFY to the same window, which decodes the next piece, starts the
// next file or the next pass. Only that thread touches the music's state, so
// nothing needs a lock. The thread starts with the first music that has a
// file to play: without one the program never loads a codec.
//
// MCI's MP3 device is DirectShow's: opening it loads the media framework
// (quartz and its filters, tens of megabytes and hundreds of milliseconds on
// some systems). The MP3 codec and waveOut are a small DLL and the sound
// driver the program uses anyway, so MCI is only asked when the codec cannot
// decode a file (another format under an .mp3 name).
#include "platform/audio.h"

#include <windows.h>
#include <mmsystem.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/assets.h"
#include "platform/win32/music_queue.h"
#include "platform/win32/wave_music.h"
#include "platform/win32/wide.h"

namespace {

constexpr const wchar_t* kAlias = L"znkmusic";
constexpr UINT kPlayCommand = WM_APP + 1;
constexpr UINT kStopCommand = WM_APP + 2;

struct PlayCommand {
    int repeatCount;
    std::vector<std::wstring> paths;
};

struct Music {
    MusicQueue queue;
    bool open = false;                // the MCI device
    std::unique_ptr<WaveMusic> wave;  // or the file playing through waveOut
    HWND window = nullptr;            // the thread's own, for the notifications
};

// Never destroyed: the music thread may still be handling a notification
// while the program's exit runs the static destructors.
Music& music() {
    static Music& state = *new Music;
    return state;
}

bool mci(const std::wstring& command, HWND callback = nullptr) {
    return mciSendStringW(command.c_str(), nullptr, 0, callback) == 0;
}

void closeDevice() {
    Music& m = music();
    m.wave.reset();
    if (m.open) {
        mci(std::wstring(L"close ") + kAlias);
        m.open = false;
    }
}

void playCurrent();

// The file playing has come to its natural end: on to the next.
void fileEnded() {
    closeDevice();
    music().queue.next(true);
    playCurrent();
}

void stopMusic() {
    music().queue.clear();
    closeDevice();
}

LRESULT CALLBACK notifyProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kPlayCommand) {
        // Only the music is replaced: a picture button's click sound that is
        // still playing when its handler restarts the music plays to its end.
        auto* command = reinterpret_cast<PlayCommand*>(lParam);
        stopMusic();
        music().queue.start(command->repeatCount, std::move(command->paths));
        delete command;
        playCurrent();
        return 0;
    }
    if (message == kStopCommand) {
        stopMusic();
        return 0;
    }
    if (message == MM_WOM_DONE) {
        Music& m = music();
        if (m.wave && !m.wave->bufferDone(reinterpret_cast<HWAVEOUT>(wParam),
                                          reinterpret_cast<const WAVEHDR*>(lParam))) {
            fileEnded();
        }
        return 0;
    }
    if (message == MM_MCINOTIFY) {
        Music& m = music();
        // Only the natural end of the device we still own moves the music on;
        // "aborted" and "superseded" come from our own stop and close.
        if (wParam == MCI_NOTIFY_SUCCESSFUL && m.open &&
            static_cast<MCIDEVICEID>(lParam) == mciGetDeviceIDW(kAlias)) {
            fileEnded();
        }
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

struct ThreadStart {
    HANDLE ready;
    HWND window;
};

DWORD WINAPI musicThread(void* parameter) {
    auto* start = static_cast<ThreadStart*>(parameter);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = notifyProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"ZnkMusicNotify";
    RegisterClassW(&windowClass);
    start->window = CreateWindowExW(0, windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                    nullptr, windowClass.hInstance, nullptr);
    music().window = start->window;
    bool running = start->window != nullptr;
    SetEvent(start->ready);
    MSG message;
    while (running && GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchMessageW(&message);
    return 0;
}

// The music thread's window, the thread started at the first call; nullptr
// when it could not be started (the program is then silent).
HWND musicWindow() {
    static HWND window = [] {
        ThreadStart start{CreateEventW(nullptr, TRUE, FALSE, nullptr), nullptr};
        if (!start.ready)
            return static_cast<HWND>(nullptr);
        HANDLE thread = CreateThread(nullptr, 0, musicThread, &start, 0, nullptr);
        if (thread) {
            WaitForSingleObject(start.ready, INFINITE);
            CloseHandle(thread);
        }
        CloseHandle(start.ready);
        return start.window;
    }();
    return window;
}

bool musicStarted = false;

bool startFile(const std::wstring& path) {
    Music& m = music();
    auto wave = std::make_unique<WaveMusic>();
    switch (wave->start(path, m.window)) {
        case WaveMusic::Start::kPlaying:
            m.wave = std::move(wave);
            return true;
        case WaveMusic::Start::kNoSound:
            return false;
        case WaveMusic::Start::kNotDecodable:
            break;
    }
    // mpegvideo is the DirectShow device: it plays MP3 as well as WAV.
    std::wstring open = L"open \"" + path + L"\" type mpegvideo alias " + kAlias;
    if (!mci(open))
        return false;
    m.open = true;
    if (!mci(std::wstring(L"play ") + kAlias + L" notify", m.window)) {
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

// Stops the music, if it was ever started.
void postStop() {
    if (musicStarted)
        PostMessageW(musicWindow(), kStopCommand, 0, 0);
}

template <typename List>
void playList(int repeatCount, const List& files) {
    // Resolved here, against this thread's current directory; a file that is
    // not there cannot be played, so it is not handed on.
    std::vector<std::wstring> paths;
    for (const Text& file : files) {
        if (file.empty())
            continue;
        std::wstring path = fullPath(file);
        if (GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES)
            paths.push_back(std::move(path));
    }
    if (paths.empty() || repeatCount == 0) {
        postStop();
        return;
    }
    HWND window = musicWindow();
    if (!window)
        return;
    musicStarted = true;
    auto* command = new PlayCommand{repeatCount, std::move(paths)};
    if (!PostMessageW(window, kPlayCommand, 0, reinterpret_cast<LPARAM>(command)))
        delete command;
}

}  // namespace

void playMp3(int repeatCount, std::initializer_list<Text> files) {
    playList(repeatCount, files);
}

void playMp3(int repeatCount, const TextList& files) {
    playList(repeatCount, files);
}

void stopPlayback() {
    postStop();
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
