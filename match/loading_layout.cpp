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

// The layout's lines, edited in place and joined once at the end: the file's
// final CR LF is gone, every other line that is not edited stays as it was
// (blank lines at the end included).
class LayoutLines {
  public:
    explicit LayoutLines(const Text& text) : lines_(splitText(text, "\r\n")) {}

    // Line n becomes <indent>"key"<separator>"value"; whatever followed the
    // old value (a comment) goes.
    bool edit(int n, const Text& value) {
        if (n > lines_.count())
            return false;
        TextList pieces = splitText(lines_[n], "\"");
        if (pieces.count() < 3)
            return false;
        lines_[n] = pieces[1] + "\"" + pieces[2] + "\"" + pieces[3] + "\"" + value + "\"";
        return true;
    }

    Text joined() const {
        Text text;
        for (int n = 1; n <= lines_.count(); ++n) {
            if (n > 1)
                text += "\r\n";
            text += lines_[n];
        }
        return text;
    }

  private:
    TextList lines_;
};

}  // namespace

std::optional<Text> layoutForScreen(const Text& layout, int width, int height) {
    // The factors are single precision and the products double: with a width
    // of 640, 640 × f is 40.99999... and so 40, where 0.0640625 would give 41.
    const double f = kLayoutFactorX;
    const double gy = kLayoutFactorY;
    const int wide = static_cast<int>(width / 4.0);
    const int tall = static_cast<int>(height / 3.0);

    LayoutLines lines(layout);
    bool edited = lines.edit(9, toText(width)) && lines.edit(10, toText(height));
    for (int row = 1; row <= kRows && edited; ++row) {
        for (int column = 1; column <= kColumns && edited; ++column) {
            int first = ((row - 1) * kColumns + column - 1) * kTileLines + kFirstTileLine;
            edited = lines.edit(first, toText((column - 1) * wide)) &&
                     lines.edit(first + 1, toText((row - 1) * tall)) &&
                     lines.edit(first + 2, toText(wide)) && lines.edit(first + 3, toText(tall));
        }
    }
    const int left = static_cast<int>(width * f);
    const int bottom = static_cast<int>(height * gy);
    edited = edited && lines.edit(333, toText(left)) && lines.edit(334, toText(bottom)) &&
             lines.edit(297, toText(left)) &&
             lines.edit(298, toText(static_cast<int>(height * gy + 22))) &&
             lines.edit(299, toText(static_cast<int>(width * (0.5 - f) * 2)));
    if (!edited)
        return std::nullopt;
    return lines.joined();
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
