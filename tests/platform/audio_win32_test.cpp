// Background music under Wine: the order of the files, that a file that
// cannot be played never blocks or loops, and an MP3 played to its end
// through the codec and waveOut (scripts/wine-run gives a machine without a
// sound card a null device).
#ifdef _WIN32

#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/audio.h"
#include "platform/win32/music_queue.h"
#include "platform/win32/wave_music.h"
#include "support/mp3_maker.h"
#include "support/temp_folder.h"

namespace {

// Plays the queue to its end (or `limit` files), every file ending normally
// except the ones named in `failing`.
std::vector<std::wstring> drain(MusicQueue& queue, size_t limit,
                                const std::wstring& failing = std::wstring()) {
    std::vector<std::wstring> played;
    while (const std::wstring* file = queue.current()) {
        if (played.size() == limit)
            break;
        bool ok = *file != failing;
        if (ok)
            played.push_back(*file);
        queue.next(ok);
    }
    return played;
}

}  // namespace

TEST(MusicQueue, PlaysTheListAsManyTimesAsCounted) {
    MusicQueue queue;
    queue.start(2, {L"a", L"b"});
    EXPECT_EQ(drain(queue, 100), (std::vector<std::wstring>{L"a", L"b", L"a", L"b"}));

    queue.start(0, {L"a"});
    EXPECT_EQ(queue.current(), nullptr);

    queue.start(-5, {L"a", L"b"});
    EXPECT_EQ(drain(queue, 50).size(), 50u);
    // A new start replaces the old list at once.
    queue.start(1, {L"c"});
    EXPECT_EQ(drain(queue, 100), (std::vector<std::wstring>{L"c"}));
}

TEST(MusicQueue, EndsWhenAWholePassFailed) {
    MusicQueue queue;
    queue.start(-1, {L"missing"});
    EXPECT_TRUE(drain(queue, 100, L"missing").empty());
    EXPECT_EQ(queue.current(), nullptr);

    // One playable file keeps an endless list going; the broken one is skipped.
    queue.start(-1, {L"missing", L"good"});
    EXPECT_EQ(drain(queue, 3, L"missing"), (std::vector<std::wstring>{L"good", L"good", L"good"}));
}

// Before the broken files below, which MCI is asked to play after the codec
// refused them.
TEST(Music, AnMp3PlaysToItsEndThroughTheCodecWithoutTheMediaFramework) {
    ASSERT_GT(waveOutGetNumDevs(), 0u) << "no sound device";
    TempFolder folder;
    folder.write("tune.mp3", silentMp3(4.0));
    folder.write("not.mp3", std::string(8192, 'Z'));
    HWND window =
        CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    {
        WaveMusic music;
        ASSERT_EQ(music.start(L"tune.mp3", window), WaveMusic::Start::kPlaying);
        const DWORD begun = GetTickCount();
        bool playing = true;
        int returned = 0;
        while (playing && GetTickCount() - begun < 10000) {
            MSG message;
            if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
                continue;
            }
            if (message.message != MM_WOM_DONE) {
                DispatchMessageW(&message);
                continue;
            }
            ++returned;
            playing = music.bufferDone(reinterpret_cast<HWAVEOUT>(message.wParam),
                                       reinterpret_cast<const WAVEHDR*>(message.lParam));
            // A buffer of another device changes nothing.
            EXPECT_EQ(music.bufferDone(nullptr, reinterpret_cast<const WAVEHDR*>(message.lParam)),
                      playing);
        }
        EXPECT_FALSE(playing);
        // Four seconds in buffers of half a second to three quarters: each
        // of the four buffers came back and was filled again at least once.
        EXPECT_GE(returned, 6);
    }
    WaveMusic other;
    EXPECT_EQ(other.start(L"not.mp3", window), WaveMusic::Start::kNotDecodable);
    EXPECT_FALSE(other.bufferDone(nullptr, nullptr));
    DestroyWindow(window);

    // The music thread takes the same way.
    playMp3(1, {"tune.mp3"});
    for (int wait = 0; wait < 60 && !GetModuleHandleW(L"msacm32.dll"); ++wait)
        Sleep(50);
    EXPECT_NE(GetModuleHandleW(L"msacm32.dll"), nullptr);
    stopPlayback();
    Sleep(200);
    EXPECT_EQ(GetModuleHandleW(L"quartz.dll"), nullptr);
}

TEST(Music, MissingOrBrokenFilesStaySilentAndReturnAtOnce) {
    TempFolder folder;
    folder.write("broken.mp3", std::string(4096, '\x5A'));
    DWORD start = GetTickCount();
    playMp3(-1, {"mywpnbg.mp3"});
    playMp3(-1, {"broken.mp3", "", "no\\such\\folder\\x.mp3"});
    playMp3(3, TextList());
    playMp3(0, {"broken.mp3"});
    stopPlayback();
    stopPlayback();
    playWaveAsset("");
    playWaveAsset("no such asset");
    EXPECT_LT(GetTickCount() - start, 5000u);
    // Nothing may be left to run in the queue: a spinning retry would post here.
    MSG message;
    int dispatched = 0;
    while (dispatched < 1000 && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageW(&message);
        ++dispatched;
    }
    EXPECT_LT(dispatched, 1000);
}

#endif  // _WIN32
