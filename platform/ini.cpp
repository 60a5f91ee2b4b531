#include "platform/ini.h"

#include "platform/failures.h"
#include "platform/files.h"
#include "platform/ini_format.h"

namespace {

Text withoutLeadingBlanks(const Text& text) {
    size_t begin = 0;
    while (begin < text.size() && static_cast<unsigned char>(text[begin]) <= 0x20)
        ++begin;
    return text.substr(begin);
}

// readWholeFile gives an empty buffer both for an empty file and for one it
// could not read. A write must tell them apart: writing over a file that was
// only unreadable for a moment would throw away every other line in it.
bool readWholeIniFile(const Text& file, Bytes& bytes) {
    bytes = readWholeFile(file);
    if (!bytes.empty() || !fileExists(file))
        return true;
    FileNumber number = openFile(file, kOpenRead, kShareReadWrite);
    if (number == 0)
        return false;
    bool empty = seekFile(number, kSeekEnd, 0) && filePosition(number) == 0;
    closeFile(number);
    return empty;
}

}  // namespace

Text readIniItem(const Text& file, const Text& section, const Text& key, const Text& defaultValue) {
    Text path = withoutLeadingBlanks(file);
    if (path.empty() || withoutLeadingBlanks(section).empty() ||
        withoutLeadingBlanks(key).empty()) {
        return Text();
    }
    std::optional<Text> value = iniLookup(readWholeFile(path), section, key);
    return value ? *value : defaultValue;
}

bool writeIniItem(const Text& file, const Text& section, const std::optional<Text>& key,
                  const std::optional<Text>& value) {
    if (file.empty())
        return false;
    Bytes before;
    if (!readWholeIniFile(file, before)) {
        recordFailure("write", file, "the file cannot be read first");
        return false;
    }
    std::optional<Bytes> after = iniWithItem(before, section, key, value);
    if (!after)
        return false;
    // Nothing to change (the same value again, or a key that is not there to
    // delete): the file is left alone, and a missing file is not created.
    if (*after == before)
        return true;
    return writeWholeFile(file, *after);
}
