// Sounds are only recorded: what plays now, and every call in order.
#include "platform/audio.h"

#include <string>
#include <vector>

#include "platform/offscreen/system.h"

namespace {

void play(int repeatCount, std::vector<std::string> files) {
    OffscreenSystem& system = OffscreenSystem::current();
    system.playback.push_back(PlaybackCall{PlaybackCall::PlayMp3, repeatCount, files});
    // A new call always replaces the old playback, even one that plays nothing.
    system.music = MusicState{};
    std::erase(files, std::string());
    if (repeatCount == 0 || files.empty())
        return;
    system.music = MusicState{true, std::move(files), repeatCount < 0 ? -1 : repeatCount};
}

}  // namespace

void playMp3(int repeatCount, std::initializer_list<Text> files) {
    play(repeatCount, std::vector<std::string>(files));
}

void playMp3(int repeatCount, const TextList& files) {
    play(repeatCount, std::vector<std::string>(files.begin(), files.end()));
}

void stopPlayback() {
    OffscreenSystem& system = OffscreenSystem::current();
    system.playback.push_back(PlaybackCall{PlaybackCall::Stop, 0, {}});
    system.music = MusicState{};
}

void playWaveAsset(const char* assetName) {
    if (assetName == nullptr || *assetName == '\0')
        return;
    OffscreenSystem::current().playback.push_back(
        PlaybackCall{PlaybackCall::Wave, 0, {std::string(assetName)}});
}
