#include "match/loading_layout.h"

#include "platform/files.h"
#include "platform/registry.h"

namespace {

constexpr const char* kVideoSettings = "Software\\Valve\\Half-Life\\Settings\\";
constexpr int kColumns = 4;
constexpr int kRows = 3;
constexpr int kFirstTileLine = 56;
constexpr int kTileLines = 15;
constexpr float kLayoutFactorX = 0.0640625f;
constexpr float kLayoutFactorY = 0.92f;

Text joinLines(const TextList& lines) {
    Text text;
    for (int n = 1; n <= lines.count(); ++n) {
        if (n > 1)
            text += "\r\n";
        text += lines[n];
    }
    return text;
}

// Line n becomes <indent>"key"<separator>"value"; whatever followed the old
// value (a comment) goes. Each edit splits the text afresh, so a file's
// final CR LF is gone after the first one.
bool editLine(Text& text, int n, const Text& value) {
    TextList lines = splitText(text, "\r\n");
    if (n > lines.count())
        return false;
    TextList pieces = splitText(lines[n], "\"");
    if (pieces.count() < 3)
        return false;
    lines[n] = pieces[1] + "\"" + pieces[2] + "\"" + pieces[3] + "\"" + value + "\"";
    text = joinLines(lines);
    return true;
}

}  // namespace

std::optional<Text> layoutForScreen(const Text& layout, int width, int height) {
    // The factors are single precision and the products double: with a width
    // of 640, 640 × f is 40.99999... and so 40, where 0.0640625 would give 41.
    const double f = kLayoutFactorX;
    const double gy = kLayoutFactorY;
    const int wide = static_cast<int>(width / 4.0);
    const int tall = static_cast<int>(height / 3.0);

    Text text = layout;
    bool edited = editLine(text, 9, toText(width)) && editLine(text, 10, toText(height));
    for (int row = 1; row <= kRows && edited; ++row) {
        for (int column = 1; column <= kColumns && edited; ++column) {
            int first = ((row - 1) * kColumns + column - 1) * kTileLines + kFirstTileLine;
            edited = editLine(text, first, toText((column - 1) * wide)) &&
                     editLine(text, first + 1, toText((row - 1) * tall)) &&
                     editLine(text, first + 2, toText(wide)) &&
                     editLine(text, first + 3, toText(tall));
        }
    }
    const int left = static_cast<int>(width * f);
    const int bottom = static_cast<int>(height * gy);
    edited = edited && editLine(text, 333, toText(left)) && editLine(text, 334, toText(bottom)) &&
             editLine(text, 297, toText(left)) &&
             editLine(text, 298, toText(static_cast<int>(height * gy + 22))) &&
             editLine(text, 299, toText(static_cast<int>(width * (0.5 - f) * 2)));
    if (!edited)
        return std::nullopt;
    return text;
}

void rewriteLoadingLayout() {
    int width = readRegistryNumber(kRootCurrentUser, Text(kVideoSettings) + "ScreenWidth");
    int height = readRegistryNumber(kRootCurrentUser, Text(kVideoSettings) + "ScreenHeight");
    Bytes bytes = readWholeFile(kLoadingLayoutFile);
    // Bytes past a zero byte are no text to edit, and writing the text before
    // it back would lose them.
    if (bytes.empty() || bytes.find('\0') != Bytes::npos)
        return;
    std::optional<Text> layout = layoutForScreen(bytesToText(bytes), width, height);
    if (!layout)
        return;
    // The new layout replaces the old in one step; a failed write leaves the
    // old file in place.
    writeWholeFile(kLoadingLayoutFile, textToBytes(*layout));
}
