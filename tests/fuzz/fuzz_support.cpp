#include "fuzz_support.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

#include "platform/offscreen/system.h"

namespace fuzz {

bool splitInput(const uint8_t* data, size_t size, size_t count, Input& input) {
    if (size < count)
        return false;
    input.choices.assign(data, data + count);
    input.file.assign(reinterpret_cast<const char*>(data) + count, size - count);
    return true;
}

std::vector<std::string> linesOf(const std::string& text,
                                 bool (*isEnd)(const std::string&, size_t)) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (isEnd(text, i)) {
            lines.push_back(text.substr(start, i + 1 - start));
            start = i + 1;
        }
    }
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

const std::string& gameFolder() {
    static const std::string folder = [] {
        std::string pattern = std::filesystem::temp_directory_path() / "znk-fuzz-XXXXXX";
        check(mkdtemp(pattern.data()) != nullptr);
        check(chdir(pattern.c_str()) == 0);
        static OffscreenSystem system;
        system.runDirectory = pattern;
        return pattern;
    }();
    return folder;
}

void writeGameFile(const std::string& relative, const std::string& bytes) {
    std::filesystem::path path = std::filesystem::path(gameFolder()) / relative;
    int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0 && errno == ENOENT) {
        std::filesystem::create_directories(path.parent_path());
        fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    }
    check(fd >= 0);
    check(write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()));
    close(fd);
}

std::string readGameFile(const std::string& relative) {
    std::ifstream in(std::filesystem::path(gameFolder()) / relative, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void emptyGameFolder(const std::string& relative) {
    std::filesystem::path path = std::filesystem::path(gameFolder()) / relative;
    if (!std::filesystem::is_directory(path)) {
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
        return;
    }
    for (const auto& entry : std::filesystem::directory_iterator(path))
        std::filesystem::remove_all(entry.path());
}

std::vector<std::string> gameFolderNames(const std::string& relative) {
    std::vector<std::string> names;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::path(gameFolder()) / relative)) {
        names.push_back(entry.path().filename());
    }
    std::sort(names.begin(), names.end());
    return names;
}

void forgetRecords() {
    OffscreenSystem& system = OffscreenSystem::current();
    system.failures.clear();
    system.messageBoxes.clear();
    system.commands.clear();
    system.playback.clear();
}

}  // namespace fuzz
