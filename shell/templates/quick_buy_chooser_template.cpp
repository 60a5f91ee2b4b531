#include <array>

#include "assets/asset_names.h"
#include "core/window_ids.h"
#include "quickbuy/quick_buy.h"
#include "shell/templates/builders.h"
#include "shell/templates/cell_names.h"
#include "shell/templates/templates.h"

namespace {

using QuickBuyChooser::kCells;

constexpr int kPictureTops[4] = {16, 120, 218, 328};
constexpr int kLabelTops[4] = {96, 200, 298, 408};
constexpr int kPictureLefts[5] = {24, 186, 350, 512, 675};
constexpr int kLabelLefts[5] = {21, 184, 347, 510, 673};

const NumberedNames kPictureNames("图片框", 1, kCells);
const NumberedNames kLabelNames("标签", 1, kCells);
const NumberedNames kTags("", 1, kCells);

std::array<ControlTemplate, 2 * kCells> makeControls() {
    std::array<ControlTemplate, 2 * kCells> controls;
    for (int cell = 1; cell <= kCells; ++cell) {
        int row = (cell - 1) / 5;
        int column = (cell - 1) % 5;
        // The bottom row sits one pixel further left.
        int shift = row == 3 ? -1 : 0;
        controls[QuickBuyChooser::cellLabel(cell) - 1] =
            label(kLabelNames(cell), {kLabelLefts[column] + shift, kLabelTops[row], 150, 24},
                  "标签")
                .aligned(HAlign::Centre, VAlign::Top)
                .hidden();
        controls[QuickBuyChooser::cellPicture(cell) - 1] =
            pictureBox(kPictureNames(cell),
                       {kPictureLefts[column] + shift, kPictureTops[row], 152, 72}, 2)
                .image(assetName::kChooserPlaceholder)
                .withTag(kTags(cell))
                .hidden()
                .pressed(onQuickBuyChooserCellPressed);
    }
    return controls;
}

const std::array<ControlTemplate, 2 * kCells> kControls = makeControls();

}  // namespace

const WindowTemplate kQuickBuyChooserTemplate = {
    .id = QuickBuyChooser::kId,
    .name = "quick-buy weapon chooser",
    .title = "",
    .width = 902,
    .height = 492,
    .controls = kControls.data(),
    .controlCount = 2 * kCells,
    .onCreated = onQuickBuyChooserCreated,
};
