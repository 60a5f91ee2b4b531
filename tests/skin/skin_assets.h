// Reads the checked-in skins for the skin tests. The folder is a build-time path; under Wine
// a POSIX path is reached through drive Z:.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

inline std::string hostPath(std::string path) {
#ifdef _WIN32
    if (!path.empty() && path[0] == '/') {
        path = "Z:" + path;
    }
#endif
    return path;
}

inline std::vector<unsigned char> readSkinAsset(int number) {
    char name[32];
    std::snprintf(name, sizeof name, "/skins/skin%02d.she", number);
    std::vector<unsigned char> bytes;
    if (FILE* f = std::fopen(hostPath(std::string(ZNK_ASSETS_DIR) + name).c_str(), "rb")) {
        unsigned char buffer[4096];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) {
            bytes.insert(bytes.end(), buffer, buffer + n);
        }
        std::fclose(f);
    }
    return bytes;
}
