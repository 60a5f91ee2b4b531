// Combo box: a drop-down list that cannot be typed into
// https://learn.microsoft.com/windows/win32/controls/combo-boxes
#include "platform/win32/window_win32.h"

namespace {

// The height of the dropped-down list below the selection field, in template
// pixels: the version 5 combo box takes its list height from the window height.
constexpr int kListHeight = 200;

class ComboBox : public Win32Control {
  public:
    using Win32Control::Win32Control;

    bool create() override {
        CreateArgs args;
        args.className = L"COMBOBOX";
        args.style = CBS_DROPDOWNLIST | WS_VSCROLL;
        args.extraHeight = kListHeight;
        if (!createControl(args))
            return false;
        fitSelectionField();
        for (int index = 0; index < static_cast<int>(state().items.size()); ++index) {
            comboItemAdded(index);
        }
        showSelection();
        return true;
    }

    void showProperty(int index) override {
        if (index == kComboSelected)
            showSelection();
    }

    void dpiChanged() override {
        Win32Control::dpiChanged();
        fitSelectionField();
    }

    void comboItemAdded(int index) override {
        const std::vector<ComboItem>& items = state().items;
        if (index < 0 || index >= static_cast<int>(items.size()))
            return;
        SendMessageW(hwnd_, CB_INSERTSTRING, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(caption(items[index].text).c_str()));
    }

    void onCommand(WORD code) override {
        if (code != CBN_SELCHANGE)
            return;
        int index = static_cast<int>(SendMessageW(hwnd_, CB_GETCURSEL, 0, 0));
        userSelectedItem(view_.window(), id_, index);
        // A refused choice goes back to the model's selection.
        showSelection();
    }

    // The system's colours, white field and list included.
    HBRUSH onColour(HDC) override { return nullptr; }

  private:
    // The closed box's height follows its font, not the height it was created
    // with. The field's item height moves it one for one, but Wine keeps two
    // pixels more than it is given, so step from what was asked, measuring.
    void fitSelectionField() {
        const int wanted = view_.scaled(source().rect.height);
        auto asked = static_cast<int>(SendMessageW(hwnd_, CB_GETITEMHEIGHT, WPARAM(-1), 0));
        for (int attempt = 0; attempt < 3 && asked != CB_ERR; ++attempt) {
            RECT shown;
            GetWindowRect(hwnd_, &shown);
            const int off = wanted - (shown.bottom - shown.top);
            if (off == 0 || asked + off <= 0)
                return;
            asked += off;
            SendMessageW(hwnd_, CB_SETITEMHEIGHT, WPARAM(-1), asked);
        }
    }

    // CB_SETCURSEL raises no CBN_SELCHANGE, so mirroring stays silent.
    void showSelection() {
        int selected = state().selected;
        if (SendMessageW(hwnd_, CB_GETCURSEL, 0, 0) != selected) {
            SendMessageW(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
        }
    }
};

}  // namespace

std::unique_ptr<Win32Control> makeComboBox(Win32WindowView& view, ControlId id) {
    return std::make_unique<ComboBox>(view, id);
}
