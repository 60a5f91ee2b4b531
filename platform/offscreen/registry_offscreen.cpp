// An in-memory registry with value types, so that a value of the wrong type
// falls back to the default just as a REG_SZ does on Windows.
#include "platform/registry.h"

#include "platform/offscreen/system.h"

namespace {

int normalRoot(int root) {
    switch (root) {
        case kRootClassesRoot:
        case kRootCurrentConfig:
        case kRootLocalMachine:
        case kRootUsers:
            return root;
        default:
            return kRootCurrentUser;
    }
}

// The map key of a value: its root, key path and value name, the names with
// their ASCII letters folded. The path splits at its last backslash that is a
// character of its own: the second byte of a GBK character may be 0x5C, and
// such a byte is neither split at nor folded.
std::string valueKey(int root, const std::string& path) {
    std::string folded;
    size_t split = std::string::npos;
    for (size_t i = 0; i < path.size(); ++i) {
        unsigned char byte = static_cast<unsigned char>(path[i]);
        if (isLeadByte(byte) && i + 1 < path.size()) {
            folded += path.substr(i, 2);
            ++i;
            continue;
        }
        if (byte == '\\')
            split = folded.size();
        folded += static_cast<char>(byte >= 'A' && byte <= 'Z' ? byte + ('a' - 'A') : byte);
    }
    std::string key = split == std::string::npos ? std::string() : folded.substr(0, split);
    std::string name = split == std::string::npos ? folded : folded.substr(split + 1);
    // A zero byte cannot occur in a GBK path, so it separates the parts.
    return std::to_string(normalRoot(root)) + '\0' + key + '\0' + name;
}

}  // namespace

void OffscreenSystem::setRegistryNumber(int root, const std::string& path, int value) {
    registry[valueKey(root, path)] = RegistryValue{RegistryType::Number, value, {}};
}

void OffscreenSystem::setRegistryText(int root, const std::string& path, const std::string& value) {
    registry[valueKey(root, path)] = RegistryValue{RegistryType::Text, 0, value};
}

int readRegistryNumber(int root, const Text& path, int defaultValue) {
    const auto& registry = OffscreenSystem::current().registry;
    auto found = registry.find(valueKey(root, path));
    if (found == registry.end() || found->second.type != RegistryType::Number)
        return defaultValue;
    return found->second.number;
}
