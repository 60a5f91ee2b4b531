#include <array>

#include "assets/asset_names.h"
#include "core/window_ids.h"
#include "quickbuy/quick_buy.h"
#include "shell/templates/builders.h"
#include "shell/templates/templates.h"

namespace {

// The names and places of one pack's row: its label, background box, four
// slot pictures (upper-left, lower-left, upper-right, lower-right) and its
// edit button. Where each control stands in the list is QuickBuyEditor's.
struct PackRow {
    const char* label;
    Rect labelRect;
    const char* caption;
    const char* box;
    int boxLeft, boxTop;
    const char* slots[kPackSlots];
    const char* button;
    int buttonLeft, buttonTop;
};

constexpr PackRow kRows[kPacks] = {
    {"标签1",
     {27, 45, 81, 39},
     "快速购买S",
     "图片框1",
     129,
     15,
     {"图片框2", "图片框3", "图片框4", "图片框5"},
     "按钮1",
     529,
     40},
    {"标签2",
     {27, 151, 81, 39},
     "快速购买D",
     "图片框10",
     129,
     121,
     {"图片框9", "图片框8", "图片框7", "图片框6"},
     "按钮2",
     529,
     146},
    {"标签4",
     {25, 262, 81, 39},
     "快速购买F",
     "图片框20",
     127,
     232,
     {"图片框19", "图片框18", "图片框17", "图片框16"},
     "按钮4",
     527,
     257},
    {"标签3",
     {25, 368, 81, 39},
     "快速购买G",
     "图片框15",
     127,
     338,
     {"图片框14", "图片框13", "图片框12", "图片框11"},
     "按钮3",
     527,
     363},
    {"标签5",
     {26, 478, 81, 39},
     "快速购买H",
     "图片框25",
     128,
     448,
     {"图片框24", "图片框23", "图片框22", "图片框21"},
     "按钮5",
     528,
     473},
};

// Slot offsets from the background box: columns 5 and 204 pixels right of its
// left edge, the lower picture 47 pixels below the upper one. Each slot shows
// the placeholder of its category until the file names a weapon.
Row slotPicture(const PackRow& row, int slot) {
    int left = row.boxLeft + (slot <= 2 ? 5 : 204);
    int top = row.boxTop + (slot % 2 == 1 ? 0 : 47);
    return pictureBox(row.slots[slot - 1], {left, top, 184, 40}, 2)
        .background(kWhite)
        .image(assetName::kSlots[slot - 1]);
}

using QuickBuyEditor::kControlCount;

std::array<ControlTemplate, kControlCount> makeControls() {
    using QuickBuyEditor::packBox, QuickBuyEditor::packButton, QuickBuyEditor::packLabel,
        QuickBuyEditor::packSlot;
    std::array<ControlTemplate, kControlCount> controls;
    controls[QuickBuyEditor::按钮6 - 1] =
        button("按钮6", {296, 576, 104, 40}, "返回主界面").clicked(onQuickBuyEditorReturn);
    for (int pack = 1; pack <= kPacks; ++pack) {
        const PackRow& row = kRows[pack - 1];
        for (int slot = 1; slot <= kPackSlots; ++slot)
            controls[packSlot(pack, slot) - 1] = slotPicture(row, slot);
        controls[packButton(pack) - 1] =
            button(row.button, {row.buttonLeft, row.buttonTop, 88, 40}, "编辑该栏")
                .clicked(onEditPackClicked);
        controls[packBox(pack) - 1] =
            pictureBox(row.box, {row.boxLeft, row.boxTop, 520, 89}, 0).background(kWhite);
        controls[packLabel(pack) - 1] = Row(row.label, ControlKind::Label, row.labelRect)
                                            .text(row.caption)
                                            .colour(0x0060C0)
                                            .withFont(16, 700, kCharsetGb2312)
                                            .aligned(HAlign::Left, VAlign::Centre);
    }
    return controls;
}

const std::array<ControlTemplate, kControlCount> kControls = makeControls();

}  // namespace

const WindowTemplate kQuickBuyEditorTemplate = {
    .id = QuickBuyEditor::kId,
    .name = "quick-buy editor",
    .title = "快速购买菜单编辑",
    .width = 735,
    .height = 662,
    .controls = kControls.data(),
    .controlCount = kControlCount,
    .onCreated = onQuickBuyEditorCreated,
};
