// What the fuzz targets share: the check that stops a run, the input split
// into a few choice bytes and the rest, and a game folder on the offscreen
// backend for the parsers that read through the platform's file operations.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace fuzz {

inline void check(bool condition) {
    if (!condition)
        __builtin_trap();
}

// The first `count` bytes choose what the target does; the rest is the file.
struct Input {
    std::vector<uint8_t> choices;
    std::string file;
};
// False when the input is shorter than the choices.
bool splitInput(const uint8_t* data, size_t size, size_t count, Input& input);

// The lines of a text cut after each byte for which `isEnd` holds (the
// ending kept with its line), so that joining them gives the text back.
std::vector<std::string> linesOf(const std::string& text,
                                 bool (*isEnd)(const std::string&, size_t));

// A game folder of its own under the temporary folder, made the current
// directory and the offscreen system's run directory on first use.
const std::string& gameFolder();
// Writes a file below the game folder, making its folders; `relative` uses slashes.
void writeGameFile(const std::string& relative, const std::string& bytes);
// A file below the game folder, empty when missing.
std::string readGameFile(const std::string& relative);
// Removes every entry of a folder below the game folder (made when missing).
void emptyGameFolder(const std::string& relative);
// The names in a folder below the game folder, sorted.
std::vector<std::string> gameFolderNames(const std::string& relative);
// Drops what the offscreen system recorded (failures, message boxes,
// commands) in earlier runs: records that only grow look like a leak to
// libFuzzer, whose leak search then runs after every input.
void forgetRecords();

}  // namespace fuzz
