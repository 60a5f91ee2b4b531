// Background music and short sounds.
#pragma once

#include <initializer_list>

#include "platform/text.h"

// Replaces whatever played before. count 0: stop only; -1 or below: repeat
// without end; n > 0: the list n times. Returns at once; a missing or
// unplayable file leaves the program silent.
void playMp3(int repeatCount, std::initializer_list<Text> files);
void playMp3(int repeatCount, const TextList& files);
// Stops the music and every other sound this program plays.
void stopPlayback();
// Plays a built-in WAV sound once, asynchronously (picture button sounds).
void playWaveAsset(const char* assetName);
