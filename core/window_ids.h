// The ten windows of the launcher: their ids and the ids of their controls.
// Control ids follow each template's front-to-back order, so a window's enum
// and its template list the controls alike; where a window repeats a group of
// controls, helpers give the ids, and the template places each control at
// the id its helper gives.
#pragma once

#include "core/game_files.h"
#include "platform/window_template.h"

namespace MainWindow {
inline constexpr WindowId kId = 1;
enum : ControlId {
    按钮1 = 1,
    标签1,
    按钮15,
    按钮14,
    编辑框3,
    组合框2,
    标签7,
    标签3,
    选择框1,
    组合框1,
    图片框2,
    按钮13,
    图片框1,
    按钮3,
    按钮2,
    透明标签1,
};
}  // namespace MainWindow

namespace ModeChooser {
inline constexpr WindowId kId = 2;
enum : ControlId {
    标签3 = 1,
    超级按钮5,
    超级按钮4,
    标签2,
    超级按钮3,
    超级按钮2,
    超级按钮1,
    标签1,
};
}  // namespace ModeChooser

namespace QuickBuyEditor {
inline constexpr WindowId kId = 3;
enum : ControlId { 按钮6 = 1 };  // "返回主界面"
// Then one row per pack, from pack 5 up to pack 1, seven controls each: the
// slot pictures from slot 4 down to slot 1 (lower right, upper right, lower
// left, upper left), the pack's "编辑该栏" button, its background box and its
// label ("快速购买S" for pack 1).
inline constexpr int kRowControls = kPackSlots + 3;
constexpr ControlId rowStart(int pack) {
    return 按钮6 + 1 + kRowControls * (kPacks - pack);
}
constexpr ControlId packSlot(int pack, int slot) {
    return rowStart(pack) + kPackSlots - slot;
}
constexpr ControlId packButton(int pack) {
    return rowStart(pack) + kPackSlots;
}
constexpr ControlId packBox(int pack) {
    return rowStart(pack) + kPackSlots + 1;
}
constexpr ControlId packLabel(int pack) {
    return rowStart(pack) + kPackSlots + 2;
}
inline constexpr int kControlCount = 1 + kRowControls * kPacks;
}  // namespace QuickBuyEditor

namespace PackEditor {
inline constexpr WindowId kId = 4;
enum : ControlId {
    标签1 = 1,
    按钮2,
    按钮1,
    图片框5,
    图片框4,
    图片框3,
    图片框2,
    图片框1,
};
}  // namespace PackEditor

namespace QuickBuyChooser {
inline constexpr WindowId kId = 5;
inline constexpr int kCells = 20;
// Cell n (1..20): its label and picture, from cell 20 down to cell 1.
constexpr ControlId cellLabel(int cell) {
    return 2 * (kCells - cell) + 1;
}
constexpr ControlId cellPicture(int cell) {
    return 2 * (kCells - cell) + 2;
}
}  // namespace QuickBuyChooser

namespace WarehouseEditor {
inline constexpr WindowId kId = 6;
enum : ControlId {
    PRI = 1,
    按钮2,
    标签3,
    组合框1,
    时钟1,
    标签2,
    标签1,
};
}  // namespace WarehouseEditor

namespace WeaponSelection {
inline constexpr WindowId kId = 7;
inline constexpr int kCells = 15;
// Cell n's check box has tag n, its picture tag kPictureTagBase + n.
inline constexpr int kPictureTagBase = 600;
enum : ControlId {
    PRI = 1,
    标签2,
    按钮3,
    按钮1,
    标签1,
};
// Cell n (1..15): its check box and picture box, from cell 15 down to cell 1.
constexpr ControlId cellCheckBox(int cell) {
    return 5 + 2 * (kCells - cell) + 1;
}
constexpr ControlId cellPicture(int cell) {
    return 5 + 2 * (kCells - cell) + 2;
}
}  // namespace WeaponSelection

namespace ArmsManager {
inline constexpr WindowId kId = 8;
enum : ControlId {
    按钮3 = 1,
    图片框2,
    按钮2,
    图片框1,
    分组框1,
    标签2,
    标签1,
    按钮1,
};
}  // namespace ArmsManager

// The male and female arm choosers share one layout.
namespace ArmChooser {
inline constexpr WindowId kMaleId = 9;
inline constexpr WindowId kFemaleId = 10;
enum : ControlId {
    标签3 = 1,
    标签2,
    标签1,
    图片框3,
    图片框2,
    图片框1,
};
}  // namespace ArmChooser
