// The pack editor: the four slots of one pack, each opening the weapon
// chooser, and the save into the buy-menu file. Choices live in g.packList
// until "保存"; "取消" drops them.
#include "core/display_text.h"
#include "core/globals.h"
#include "core/window_ids.h"
#include "core/write_refused.h"
#include "platform/window.h"
#include "quickbuy/buy_menu_file.h"
#include "quickbuy/quick_buy.h"
#include "weapons/catalogue.h"

namespace {

constexpr ControlId kSlotPictures[kPackSlots] = {PackEditor::图片框2, PackEditor::图片框3,
                                                 PackEditor::图片框4, PackEditor::图片框5};

void setEditorText(ControlId control, int index, const Text& text) {
    setProperty(PackEditor::kId, control, index, displayText(text));
}

}  // namespace

void refreshPackPictures() {
    for (int slot = 1; slot <= kPackSlots && slot <= g.packList.count(); ++slot) {
        if (!g.packList[slot].empty())
            setProperty(PackEditor::kId, kSlotPictures[slot - 1], kPicture,
                        weaponPicture(g.packList[slot]));
    }
}

void choosePackWeapon(const Text& model) {
    int slot = gQuickBuy.packSlot;
    if (slot < 1 || slot > kPackSlots)
        return;
    if (g.packList.count() < slot)
        g.packList.resize(slot);
    g.packList[slot] = model;
    refreshPackPictures();
}

void onPackEditorCreated() {
    setEditorText(0, kWindowTitle,
                  "正在编辑快速购买栏[" + toText(gQuickBuy.currentPackNumber) + "]");
    setEditorText(PackEditor::标签1, kLabelCaption, "提示：点击对应图片修改武器");
    refreshPackPictures();
    setEditorText(PackEditor::按钮1, kButtonCaption, "取消");
    setEditorText(PackEditor::按钮2, kButtonCaption, "保存");
}

void onPackSlotPressed() {
    ControlId picture = eventSourceControl().control;
    for (int slot = 1; slot <= kPackSlots; ++slot) {
        if (kSlotPictures[slot - 1] == picture) {
            gQuickBuy.packSlot = slot;
            loadWindow(QuickBuyChooser::kId, true);
            return;
        }
    }
}

void onPackCancelClicked() {
    closeWindow(eventSourceControl());
}

// The editor below shows the file as it now is, saved or not. A save the
// file refused keeps this window open with the player's choices, and tells
// him, so that nothing he chose is dropped without his knowing.
void onPackSaveClicked() {
    bool saved = savePack(gQuickBuy.currentPackNumber, g.packList);
    scanBuyMenu();
    if (saved)
        closeWindow(eventSourceControl());
    else
        tellFileNotWritten(buyMenuFileName());
}
