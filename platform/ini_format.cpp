#include "platform/ini_format.h"

#include <vector>

#include "platform/ini.h"

namespace {

// Windows reads a profile file through the ANSI code page, so a character is
// two bytes only when a lead byte meets a valid GBK second byte. This is
// stricter than the launcher's double-byte rule on purpose: a line end or a
// blank after a stray lead byte still counts as what it is, as in Windows.
size_t characterLength(const Text& text, size_t index) {
    auto lead = static_cast<unsigned char>(text[index]);
    if (lead < 0x81 || lead == 0xFF || index + 1 >= text.size())
        return 1;
    auto trail = static_cast<unsigned char>(text[index + 1]);
    bool valid = (trail >= 0x40 && trail <= 0x7E) || (trail >= 0x80 && trail <= 0xFE);
    return valid ? 2 : 1;
}

// Spaces, tabs and control characters.
bool isBlank(char c) {
    return static_cast<unsigned char>(c) <= 0x20;
}

bool isLineBreak(char c) {
    return c == '\r' || c == '\n';
}

Text trimBlanks(const Text& text) {
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

// A text as the C string that Windows would see: up to its first zero byte.
Text upToZero(const Text& text) {
    return text.substr(0, text.find('\0'));
}

char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Section and key names ignore the case of ASCII letters only; the bytes of a
// Chinese character must be equal.
bool sameName(const Text& a, const Text& b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size();) {
        size_t length = characterLength(a, i);
        if (length == 2) {
            if (a.compare(i, 2, b, i, 2) != 0)
                return false;
        } else if (asciiLower(a[i]) != asciiLower(b[i])) {
            return false;
        }
        i += length;
    }
    return true;
}

// Position of the first (or last) `wanted` byte that starts a character.
size_t findCharacter(const Text& text, char wanted, bool last) {
    size_t found = Text::npos;
    for (size_t i = 0; i < text.size(); i += characterLength(text, i)) {
        if (text[i] != wanted)
            continue;
        found = i;
        if (!last)
            break;
    }
    return found;
}

struct Line {
    size_t start = 0;  // first byte of the line
    size_t end = 0;    // first byte of its line end, or the end of the file
    size_t next = 0;   // first byte after its line end

    enum Kind { kBlank, kSection, kKey } kind = kBlank;
    Text name;                  // section or key name, without blanks
    std::optional<Text> value;  // a key line's value, without blanks; none without "="
};

Line parseLine(const Text& content) {
    Line line;
    Text trimmed = trimBlanks(content);
    if (trimmed.empty())
        return line;
    if (trimmed[0] == '[') {
        size_t close = findCharacter(trimmed, ']', true);
        if (close != Text::npos) {
            line.kind = Line::kSection;
            line.name = trimBlanks(trimmed.substr(1, close - 1));
            return line;
        }
    }
    line.kind = Line::kKey;
    size_t equals = findCharacter(trimmed, '=', false);
    if (equals == Text::npos) {
        line.name = trimmed;
    } else {
        line.name = trimBlanks(trimmed.substr(0, equals));
        line.value = trimBlanks(trimmed.substr(equals + 1));
    }
    return line;
}

bool startsWithBom(const Bytes& file) {
    return file.compare(0, 3, "\xEF\xBB\xBF") == 0;
}

// Lines end at CR LF, LF or CR. A UTF-8 byte-order mark that an editor put in
// front of the first line is not part of it, so the first section still reads.
size_t firstLineStart(const Bytes& file) {
    return startsWithBom(file) ? 3 : 0;
}

// The line that starts at `i` (below the file's size).
Line lineAt(const Bytes& file, size_t i) {
    size_t end = i;
    while (end < file.size() && !isLineBreak(file[end]))
        ++end;
    size_t next = end;
    if (next < file.size()) {
        next += file[next] == '\r' && next + 1 < file.size() && file[next + 1] == '\n' ? 2 : 1;
    }
    Line line = parseLine(file.substr(i, end - i));
    line.start = i;
    line.end = end;
    line.next = next;
    return line;
}

std::vector<Line> splitLines(const Bytes& file) {
    std::vector<Line> lines;
    for (size_t i = firstLineStart(file); i < file.size(); i = lines.back().next)
        lines.push_back(lineAt(file, i));
    return lines;
}

// The first line of the first section named `name`, and the line after the
// section's last line; first == lines.size() when there is no such section.
struct SectionRange {
    size_t first;
    size_t last;
};

SectionRange findSection(const std::vector<Line>& lines, const Text& name) {
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].kind != Line::kSection || !sameName(lines[i].name, name))
            continue;
        size_t end = i + 1;
        while (end < lines.size() && lines[end].kind != Line::kSection)
            ++end;
        return {i, end};
    }
    return {lines.size(), lines.size()};
}

std::optional<size_t> findKey(const std::vector<Line>& lines, SectionRange section,
                              const Text& name) {
    if (section.first == lines.size())
        return std::nullopt;
    for (size_t i = section.first + 1; i < section.last; ++i) {
        if (lines[i].kind == Line::kKey && sameName(lines[i].name, name))
            return i;
    }
    return std::nullopt;
}

Text valueAsRead(Text value) {
    if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0]) {
        value = value.substr(1, value.size() - 2);
    }
    value = upToZero(value);
    if (value.size() > static_cast<size_t>(kIniValueLimit)) {
        size_t cut = 0;
        while (cut < value.size()) {
            size_t next = cut + characterLength(value, cut);
            if (next > static_cast<size_t>(kIniValueLimit))
                break;
            cut = next;
        }
        value.resize(cut);
    }
    return value;
}

bool hasLineBreak(const Text& text) {
    return text.find_first_of("\r\n") != Text::npos;
}

}  // namespace

std::optional<Text> iniLookup(const Bytes& file, const Text& section, const Text& key) {
    Text sectionName = trimBlanks(upToZero(section));
    Text keyName = trimBlanks(upToZero(key));
    if (sectionName.empty() || keyName.empty())
        return std::nullopt;
    // Line by line up to the key or the end of the first section of that
    // name, as findSection and findKey would find them over the whole file.
    bool inSection = false;
    for (size_t i = firstLineStart(file); i < file.size();) {
        Line line = lineAt(file, i);
        i = line.next;
        if (line.kind == Line::kSection) {
            if (inSection)
                return std::nullopt;
            inSection = sameName(line.name, sectionName);
        } else if (inSection && line.kind == Line::kKey && sameName(line.name, keyName)) {
            return line.value ? std::optional<Text>(valueAsRead(*line.value)) : std::nullopt;
        }
    }
    return std::nullopt;
}

std::optional<Bytes> iniWithItem(const Bytes& file, const Text& section,
                                 const std::optional<Text>& key, const std::optional<Text>& value) {
    // Names and values that would not read back as written are refused rather
    // than written: a line break in a value would plant new keys or sections.
    Text sectionName = trimBlanks(upToZero(section));
    Text header = "[" + sectionName + "]";
    Line headerAsRead = parseLine(header);
    if (sectionName.empty() || hasLineBreak(sectionName) || headerAsRead.kind != Line::kSection ||
        headerAsRead.name != sectionName) {
        return std::nullopt;
    }

    std::vector<Line> lines = splitLines(file);
    SectionRange range = findSection(lines, sectionName);
    bool sectionFound = range.first < lines.size();

    if (!key) {
        if (!sectionFound)
            return file;
        size_t from = lines[range.first].start;
        size_t to = range.last < lines.size() ? lines[range.last].start : file.size();
        return Bytes(file).erase(from, to - from);
    }

    Text keyName = trimBlanks(upToZero(*key));
    if (keyName.empty() || hasLineBreak(keyName))
        return std::nullopt;
    std::optional<size_t> keyIndex = findKey(lines, range, keyName);

    if (!value) {
        if (!keyIndex)
            return file;
        const Line& line = lines[*keyIndex];
        return Bytes(file).erase(line.start, line.next - line.start);
    }

    Text newValue = upToZero(*value);
    size_t firstKept = 0;
    while (firstKept < newValue.size() && isBlank(newValue[firstKept]))
        ++firstKept;
    newValue.erase(0, firstKept);
    if (hasLineBreak(newValue))
        return std::nullopt;
    Line lineAsRead = parseLine(keyName + "=" + newValue);
    if (lineAsRead.kind != Line::kKey || lineAsRead.name != keyName)
        return std::nullopt;

    Bytes result = file;
    if (keyIndex) {
        // The value is replaced in place; the key keeps the file's spelling.
        const Line& line = lines[*keyIndex];
        return result.replace(line.start, line.end - line.start, line.name + "=" + newValue);
    }
    Text newLine = keyName + "=" + newValue + "\r\n";
    if (sectionFound) {
        // After the section's last non-blank line, so that blank lines that
        // separate it from the next section stay where they are.
        size_t anchor = range.first;
        for (size_t i = range.first + 1; i < range.last; ++i) {
            if (lines[i].kind != Line::kBlank)
                anchor = i;
        }
        const Line& line = lines[anchor];
        if (line.next == line.end)
            return result.insert(line.end, "\r\n" + newLine);
        return result.insert(line.next, newLine);
    }
    bool endsOpen = !lines.empty() && lines.back().next == lines.back().end &&
                    lines.back().end > lines.back().start;
    if (endsOpen)
        result += "\r\n";
    return result + header + "\r\n" + newLine;
}
