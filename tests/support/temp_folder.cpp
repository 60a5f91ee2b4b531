#include "support/temp_folder.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace fs = std::filesystem;

namespace {

fs::path nativeRelative(std::string relative) {
    for (char& c : relative) {
        if (c == '\\')
            c = '/';
    }
    return fs::path(relative);
}

std::string launcherPath(const fs::path& path) {
    std::string text = path.string();
#ifndef _WIN32
    return text;
#else
    for (char& c : text) {
        if (c == '/')
            c = '\\';
    }
    return text;
#endif
}

}  // namespace

TempFolder::TempFolder() {
    static std::atomic<int> counter{0};
    std::ostringstream name;
    name << "znk-test-" << std::hex << std::random_device{}() << "-" << counter++;
    fs::path folder = fs::temp_directory_path() / name.str();
    fs::create_directories(folder);
    path_ = launcherPath(fs::canonical(folder));
    previousDirectory_ = fs::current_path().string();
    fs::current_path(folder);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    fs::current_path(previousDirectory_, ignored);
    // Read-only files left by a test must not keep the folder alive.
    for (auto& entry : fs::recursive_directory_iterator(path_, ignored)) {
        fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
    fs::remove_all(path_, ignored);
}

void TempFolder::write(const std::string& relative, const std::string& bytes) const {
    fs::path target = fs::path(path_) / nativeRelative(relative);
    fs::create_directories(target.parent_path());
    std::ofstream out(target, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string TempFolder::read(const std::string& relative) const {
    std::ifstream in(fs::path(path_) / nativeRelative(relative), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

bool TempFolder::exists(const std::string& relative) const {
    std::error_code ignored;
    return fs::exists(fs::path(path_) / nativeRelative(relative), ignored);
}
