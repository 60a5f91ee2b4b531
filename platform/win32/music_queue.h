// The order in which the background music plays its files: the list, pass
// after pass, as many passes as asked for or without end. Kept apart from the
// MCI calls so that the counting can be tested without a sound device.
#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

class MusicQueue {
  public:
    // repeatCount 0 plays nothing, below 0 repeats without end.
    void start(int repeatCount, std::vector<std::wstring> files) {
        files_ = repeatCount == 0 ? std::vector<std::wstring>() : std::move(files);
        passesLeft_ = repeatCount < 0 ? -1 : repeatCount;
        index_ = 0;
        playedThisPass_ = 0;
    }
    void clear() { files_.clear(); }

    // The file to start now, or nullptr when the music is over.
    const std::wstring* current() const { return files_.empty() ? nullptr : &files_[index_]; }

    // The current file ended after playing, or could not be started. A pass in
    // which no file could be played ends the music: an endless repeat of
    // missing files would otherwise spin for ever.
    void next(bool played) {
        if (files_.empty())
            return;
        if (played)
            ++playedThisPass_;
        if (++index_ < files_.size())
            return;
        if (playedThisPass_ == 0 || (passesLeft_ > 0 && --passesLeft_ == 0)) {
            clear();
            return;
        }
        index_ = 0;
        playedThisPass_ = 0;
    }

  private:
    std::vector<std::wstring> files_;
    int passesLeft_ = 0;
    std::size_t index_ = 0;
    std::size_t playedThisPass_ = 0;
};
