#include <array>

#include "core/window_ids.h"
#include "shell/templates/builders.h"
#include "shell/templates/cell_names.h"
#include "shell/templates/templates.h"
#include "weapons/weapon_picker.h"

namespace {

using WeaponSelection::kCells;

constexpr int kPictureLefts[5] = {24, 192, 352, 520, 688};
constexpr int kCheckBoxLefts[5] = {31, 199, 359, 527, 695};
constexpr int kPictureTops[3] = {81, 201, 321};
constexpr int kCheckBoxTops[3] = {153, 273, 393};
// The number in the control names of each cell: the second and fourth cell of
// every row swap their names with their neighbours.
constexpr int kNameOfCell[kCells + 1] = {0, 1, 2, 4, 3, 5, 10, 9, 8, 7, 6, 15, 14, 13, 12, 11};

const NumberedNames kPictureNames("图片框", 1, kCells);
const NumberedNames kCheckBoxNames("选择框", 1, kCells);
const NumberedNames kCheckBoxTags("", 1, kCells);
const NumberedNames kPictureTags("", WeaponSelection::kPictureTagBase + 1,
                                 WeaponSelection::kPictureTagBase + kCells);

constexpr int kFixed = 5;

std::array<ControlTemplate, kFixed + 2 * kCells> makeControls() {
    std::array<ControlTemplate, kFixed + 2 * kCells> controls = {
        button("PRI", {32, 24, 120, 40}, "Exit").clicked(onWeaponSelectionExit),
        label("标签2", {616, 16, 168, 48}, "Total:").aligned(HAlign::Left, VAlign::Centre),
        button("按钮3", {520, 496, 80, 24}, "Next").clicked(onWeaponSelectionNext),
        button("按钮1", {264, 496, 80, 24}, "Back").clicked(onWeaponSelectionBack),
        label("标签1", {264, 16, 280, 56}, "WeaponSelect")
            .withFont(21, 400, kCharsetGb2312)
            .aligned(HAlign::Centre, VAlign::Centre),
    };
    for (int cell = 1; cell <= kCells; ++cell) {
        int row = (cell - 1) / 5;
        int column = (cell - 1) % 5;
        int name = kNameOfCell[cell];
        controls[WeaponSelection::cellCheckBox(cell) - 1] =
            Row(kCheckBoxNames(name), ControlKind::CheckBox,
                {kCheckBoxLefts[column], kCheckBoxTops[row], 130, 32})
                .text("选择框")
                .aligned(HAlign::Centre, VAlign::Centre)
                .withTag(kCheckBoxTags(cell))
                .clicked(onWeaponCellClicked);
        controls[WeaponSelection::cellPicture(cell) - 1] =
            pictureBox(kPictureNames(name), {kPictureLefts[column], kPictureTops[row], 144, 64}, 2)
                .withTag(kPictureTags(WeaponSelection::kPictureTagBase + cell));
    }
    return controls;
}

const std::array<ControlTemplate, kFixed + 2 * kCells> kControls = makeControls();

}  // namespace

const WindowTemplate kWeaponSelectionTemplate = {
    .id = WeaponSelection::kId,
    .name = "weapon selection window",
    .title = "",
    .width = 865,
    .height = 558,
    .controls = kControls.data(),
    .controlCount = kFixed + 2 * kCells,
    .onCreated = onWeaponSelectionCreated,
};
