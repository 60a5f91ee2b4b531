// Edit box: single line, sunken, white
// https://learn.microsoft.com/windows/win32/controls/edit-controls
#include "platform/display.h"
#include "platform/win32/wide.h"
#include "platform/win32/window_win32.h"

namespace {

// What an integer edit box lets through: control characters (Backspace,
// Ctrl+C and the like) and the characters the model's filter takes.
bool integerTakes(wchar_t ch) {
    if (ch < 0x20 || ch == 0x7F)
        return true;
    return ch < 0x80 && integerEditTakes(static_cast<char>(ch));
}

class EditBox : public Win32Control {
  public:
    using Win32Control::Win32Control;

    bool create() override {
        CreateArgs args;
        args.className = L"EDIT";
        args.style = ES_LEFT | ES_AUTOHSCROLL;
        args.exStyle = WS_EX_CLIENTEDGE;
        args.text = caption(state().text);
        args.subclass = source().integerOnly;
        mirroring_ = true;
        bool created = createControl(args);
        if (created)
            SendMessageW(hwnd_, EM_SETLIMITTEXT, 0, 0);  // no limit but the system's
        mirroring_ = false;
        return created;
    }

    void showProperty(int index) override {
        if (index == kEditContent)
            showContent();
    }

    void onCommand(WORD code) override {
        if (code != EN_CHANGE || mirroring_)
            return;
        int length = GetWindowTextLengthW(hwnd_);
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        text.resize(static_cast<size_t>(GetWindowTextW(hwnd_, text.data(), length + 1)));
        Text content = fromWide(text, static_cast<unsigned>(displayCodePage()));
        // A refused change (the model takes no input now) is undone on screen.
        if (!userChangedText(view_.window(), id_, content))
            showContent();
    }

    HBRUSH onColour(HDC dc) override {
        int back = source().backColour;
        SetTextColor(dc, textColour());
        COLORREF colour = back == kDefaultColour ? GetSysColor(COLOR_WINDOW) : colourRef(back);
        SetBkColor(dc, colour);
        return solidBrush(colour);
    }

    LRESULT onMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_CHAR && !integerTakes(static_cast<wchar_t>(wParam)))
            return 0;
        if (message == WM_PASTE) {
            pasteDigits();
            return 0;
        }
        return Win32Control::onMessage(hwnd, message, wParam, lParam);
    }

  private:
    // Shows the model's content unless the box already shows it, so that the
    // caret stays where the user left it when a handler writes the same text.
    void showContent() {
        std::wstring wanted = caption(state().text);
        int length = GetWindowTextLengthW(hwnd_);
        std::wstring shown(static_cast<size_t>(length) + 1, L'\0');
        shown.resize(static_cast<size_t>(GetWindowTextW(hwnd_, shown.data(), length + 1)));
        if (shown == wanted)
            return;
        mirroring_ = true;
        SetWindowTextW(hwnd_, wanted.c_str());
        mirroring_ = false;
    }

    // Pasting is typing too: only the characters the filter takes go in.
    void pasteDigits() {
        if (!OpenClipboard(hwnd_))
            return;
        std::wstring kept;
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            if (const auto* text = static_cast<const wchar_t*>(GlobalLock(data))) {
                for (const wchar_t* c = text; *c != L'\0'; ++c) {
                    if (*c >= 0x20 && integerTakes(*c))
                        kept.push_back(*c);
                }
                GlobalUnlock(data);
            }
        }
        CloseClipboard();
        SendMessageW(hwnd_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(kept.c_str()));
    }

    bool mirroring_ = false;
};

}  // namespace

std::unique_ptr<Win32Control> makeEditBox(Win32WindowView& view, ControlId id) {
    return std::make_unique<EditBox>(view, id);
}
