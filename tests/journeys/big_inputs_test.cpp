// A whole run over the largest and strangest files a game folder may hold
// (support/big_inputs.h): the start, the warehouse and the quick-buy editor
// stay usable, and what the launcher keeps stays within its bounds.
#include <gtest/gtest.h>

#include "core/globals.h"
#include "core/window_ids.h"
#include "match/map_catalogue.h"
#include "platform/files.h"
#include "platform/picture.h"
#include "support/big_inputs.h"
#include "support/journey.h"
#include "weapons/catalogue.h"

namespace {

const char* const kBuyMenu = "cstrike\\resource\\UI\\MainBuyMenu.res";

TEST(BigInputs, AWholeRunStaysUsableAndWithinItsBounds) {
    LauncherJourney journey;
    bigInputs::write([&](const std::string& file,
                         const std::string& bytes) { journey.folder.write(file, bytes); },
                     8LL << 20);
    const std::string menu = journey.folder.read(kBuyMenu);

    journey.system.onWindow(WeaponSelection::kId, [](OffscreenUser& user) {
        EXPECT_EQ(user.text("标签1"), "Weapon Select [PAGE-1]");
        EXPECT_EQ(user.text(WeaponSelection::cellCheckBox(1)), "W1");
        Image image;
        Bytes picture = std::get<Text>(user.property(WeaponSelection::cellPicture(1), kPicture));
        EXPECT_FALSE(picture.empty());
        EXPECT_FALSE(decodePicture(picture, image));
        EXPECT_TRUE(user.click("按钮3"));
        user.click("PRI");
    });
    journey.system.onWindow(WarehouseEditor::kId, [](OffscreenUser& user) {
        user.advanceClock(3000);
        EXPECT_EQ(g.catalogue.catalogueCount, kMaxWeapons);
        EXPECT_EQ(g.catalogue.modelName[kMaxWeapons], "w" + std::to_string(kMaxWeapons));
        EXPECT_EQ(g.pages.pageCount[kMelee], (kMaxWeapons + kWeaponsPerPage - 1) / kWeaponsPerPage);
        user.chooseItem("组合框1", 2);
        EXPECT_TRUE(user.click("PRI"));
        user.closeBox();
    });
    journey.system.onWindow(
        PackEditor::kId, [](OffscreenUser& user) { EXPECT_TRUE(user.click(PackEditor::按钮2)); });
    journey.system.onWindow(QuickBuyEditor::kId, [](OffscreenUser& user) {
        for (int pack = 1; pack <= 5; ++pack) {
            EXPECT_EQ(std::get<Text>(user.property(QuickBuyEditor::packSlot(pack, 1), kPicture)),
                      "m4a1 picture");
        }
        EXPECT_TRUE(user.click(QuickBuyEditor::packButton(5)));
        user.click(QuickBuyEditor::按钮6);
    });
    journey.system.onWindow(MainWindow::kId, [](OffscreenUser& user) {
        std::vector<Text> maps = user.items(MainWindow::组合框1);
        ASSERT_EQ(maps.size(), static_cast<size_t>(kMaxMaps));
        // The first map's line is cut at the line limit, after "m1=".
        EXPECT_EQ(maps[0], bigInputs::longDisplayName().substr(0, kMaxLineBytes - 3));
        EXPECT_EQ(maps.back(), "Map" + std::to_string(kMaxMaps));
        // Its preview claims more pixels than a picture may have: the
        // native view (the offscreen one decodes nothing) shows none.
        Image image;
        EXPECT_FALSE(
            decodePicture(std::get<Text>(user.property(MainWindow::图片框2, kPicture)), image));
        EXPECT_TRUE(user.click(MainWindow::按钮2));
        EXPECT_TRUE(user.click(MainWindow::按钮3));
        user.closeBox();
    });
    EXPECT_EQ(journey.run(), 0);
    EXPECT_EQ(journey.system.openedWindows,
              (std::vector<int>{MainWindow::kId, WarehouseEditor::kId, WeaponSelection::kId,
                                QuickBuyEditor::kId, PackEditor::kId}));

    // The save rewrote pack 5's lines (the equipment the editor adds) and
    // kept every other byte, the 100,000 lines and the 4 MiB one included.
    const std::string saved = journey.folder.read(kBuyMenu);
    const size_t pack5 = menu.find("//WeaponPack5_command");
    ASSERT_NE(pack5, std::string::npos);
    EXPECT_EQ(saved.compare(0, pack5, menu, 0, pack5), 0);
    EXPECT_NE(saved, menu);
}

}  // namespace
