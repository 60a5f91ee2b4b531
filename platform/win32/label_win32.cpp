// Label and transparent label: owner-drawn static text
// https://learn.microsoft.com/windows/win32/controls/static-controls
//
// Owner drawing gives what the plain static cannot: vertical alignment of text
// of any number of lines, and a label without a background of its own.
#include "platform/win32/window_win32.h"

namespace {

class Label : public Win32Control {
  public:
    using Win32Control::Win32Control;

    bool create() override {
        CreateArgs args;
        // SS_NOTIFY lets the mouse reach the label (mouse-move handlers, tips).
        args.style = SS_OWNERDRAW | SS_NOTIFY;
        if (transparent())
            args.exStyle = WS_EX_TRANSPARENT;
        args.text = caption(state().text);
        args.subclass = true;
        return createControl(args);
    }

    void showProperty(int index) override {
        if (index != kLabelCaption)
            return;
        SetWindowTextW(hwnd_, caption(state().text).c_str());
        if (transparent()) {
            // The old text is only gone once the window paints under it again.
            redrawBeneath();
        } else {
            InvalidateRect(hwnd_, nullptr, FALSE);
        }
    }

    bool onDrawItem(const DRAWITEMSTRUCT& item) override {
        HDC dc = item.hDC;
        RECT box = item.rcItem;
        HBRUSH back = staticColours(dc);
        if (!transparent())
            FillRect(dc, &box, back);
        HGDIOBJ oldFont = SelectObject(dc, font());
        SetBkMode(dc, TRANSPARENT);
        if (!IsWindowEnabled(hwnd_))
            SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));

        std::wstring text = caption(state().text);
        UINT flags = DT_NOPREFIX | DT_WORDBREAK | DT_EXPANDTABS;
        if (source().align == HAlign::Centre)
            flags |= DT_CENTER;
        if (source().align == HAlign::Right)
            flags |= DT_RIGHT;
        RECT measured = box;
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured, flags | DT_CALCRECT);
        int textHeight = measured.bottom - measured.top;
        int boxHeight = box.bottom - box.top;
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        if (textHeight > boxHeight && textHeight - boxHeight <= metrics.tmInternalLeading) {
            // A font whose lines grow a little faster than the scale (a substitute for a face
            // the system lacks) can come out a pixel or two taller than its box: what is cut
            // off then is the blank above the first line's strokes, not the strokes.
            box.top -= textHeight - boxHeight;
        } else if (source().valign == VAlign::Centre) {
            box.top += (boxHeight - textHeight) / 2;
        } else if (source().valign == VAlign::Bottom) {
            box.top += boxHeight - textHeight;
        }
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, flags);
        SelectObject(dc, oldFont);
        return true;
    }

    LRESULT onMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_MOUSEMOVE)
            userMouseMove(view_.window(), id_);
        return Win32Control::onMessage(hwnd, message, wParam, lParam);
    }

  private:
    bool transparent() const { return source().kind == ControlKind::TransparentLabel; }
};

}  // namespace

std::unique_ptr<Win32Control> makeLabel(Win32WindowView& view, ControlId id) {
    return std::make_unique<Label>(view, id);
}
