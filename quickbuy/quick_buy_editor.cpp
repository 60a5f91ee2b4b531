// The quick-buy editor window: five rows, one per pack, each with four slot
// pictures and an edit button. It holds the buy-menu file open while it is
// open and reads it again after every save.
#include "core/display_text.h"
#include "core/globals.h"
#include "core/window_ids.h"
#include "platform/files.h"
#include "platform/window.h"
#include "quickbuy/buy_menu_file.h"
#include "quickbuy/quick_buy.h"
#include "weapons/catalogue.h"

QuickBuyState gQuickBuy;

namespace {

struct EditorRow {
    ControlId label;
    const char* caption;
    ControlId button;
    ControlId slots[kPackSlots];
};

// Rows by pack; the slot pictures in slot order: upper left, lower left,
// upper right, lower right.
constexpr EditorRow kRows[kPacks] = {
    {QuickBuyEditor::标签1,
     "快速购买S",
     QuickBuyEditor::按钮1,
     {QuickBuyEditor::图片框2, QuickBuyEditor::图片框3, QuickBuyEditor::图片框4,
      QuickBuyEditor::图片框5}},
    {QuickBuyEditor::标签2,
     "快速购买D",
     QuickBuyEditor::按钮2,
     {QuickBuyEditor::图片框9, QuickBuyEditor::图片框8, QuickBuyEditor::图片框7,
      QuickBuyEditor::图片框6}},
    {QuickBuyEditor::标签4,
     "快速购买F",
     QuickBuyEditor::按钮4,
     {QuickBuyEditor::图片框19, QuickBuyEditor::图片框18, QuickBuyEditor::图片框17,
      QuickBuyEditor::图片框16}},
    {QuickBuyEditor::标签3,
     "快速购买G",
     QuickBuyEditor::按钮3,
     {QuickBuyEditor::图片框14, QuickBuyEditor::图片框13, QuickBuyEditor::图片框12,
      QuickBuyEditor::图片框11}},
    {QuickBuyEditor::标签5,
     "快速购买H",
     QuickBuyEditor::按钮5,
     {QuickBuyEditor::图片框24, QuickBuyEditor::图片框23, QuickBuyEditor::图片框22,
      QuickBuyEditor::图片框21}},
};

void setEditorCaptions() {
    for (const EditorRow& row : kRows) {
        setProperty(QuickBuyEditor::kId, row.label, kLabelCaption, displayText(row.caption));
        setProperty(QuickBuyEditor::kId, row.button, kButtonCaption, displayText("编辑该栏"));
    }
    setProperty(QuickBuyEditor::kId, QuickBuyEditor::按钮6, kButtonCaption,
                displayText("返回主界面"));
}

// What the latest scan found replaces what an earlier one did: a marker that
// has gone since reads as missing, never as its old position.
void storeScan(const BuyMenuScan& scan) {
    for (int pack = 1; pack <= kPacks; ++pack) {
        const PackLines& lines = scan.packs[pack - 1];
        g.commandLinePos[pack] = static_cast<int>(lines.commandLine);
        for (int image = 1; image <= kPackImages; ++image)
            g.imageLinePos[pack][image] = static_cast<int>(lines.imageLines[image - 1]);
        g.packCommands[pack] = lines.commandList;
    }
}

void showPackPictures(int pack) {
    TextList slots = splitText(g.packCommands[pack], ";");
    for (int slot = 1; slot <= kPackSlots && slot <= slots.count(); ++slot) {
        if (!slots[slot].empty())
            setProperty(QuickBuyEditor::kId, kRows[pack - 1].slots[slot - 1], kPicture,
                        weaponPicture(slots[slot]));
    }
}

// The pack's slots with room for all four, so that a pack the file names
// badly opens empty rather than short.
void openPack(int pack) {
    gQuickBuy.currentPackNumber = pack;
    gQuickBuy.currentPackText = g.packCommands[pack];
    g.packList = splitText(gQuickBuy.currentPackText, ";");
    if (g.packList.count() < kPackSlots)
        g.packList.resize(kPackSlots);
    loadWindow(PackEditor::kId, true);
}

}  // namespace

void closeBuyMenu() {
    if (gQuickBuy.buyMenuFile != 0)
        closeFile(gQuickBuy.buyMenuFile);
    gQuickBuy.buyMenuFile = 0;
}

// The file is read whole before it is opened to be held: the held handle
// writes, and a whole-file read shares only with readers. A file that cannot
// be opened for writing shows no packs, as a missing one does.
void scanBuyMenu() {
    setEditorCaptions();
    closeBuyMenu();
    Bytes content = readWholeFile(buyMenuPath());
    gQuickBuy.buyMenuFile = openFile(buyMenuPath(), kOpenReadWrite, kShareReadWrite);
    if (gQuickBuy.buyMenuFile == 0)
        content.clear();
    storeScan(scanBuyMenuText(content));
    for (int pack = 1; pack <= kPacks; ++pack)
        showPackPictures(pack);
}

// The new file is made from a fresh reading of the old one, so the positions
// it writes at are those of the bytes it replaces; nothing is written when no
// marker of the pack is there. The caller scans again, which opens the file
// again.
bool savePack(int pack, const TextList& slots) {
    closeBuyMenu();
    const Text path = buyMenuPath();
    Bytes content = readWholeFile(path);
    Bytes updated = buyMenuWithPack(content, pack, slots);
    return updated == content || writeWholeFile(path, updated);
}

void onOpenQuickBuyEditor() {
    loadWindow(QuickBuyEditor::kId, true);
    // However the window went (its button, the close box, Esc), the file it
    // held is let go.
    closeBuyMenu();
}

void onQuickBuyEditorCreated() {
    scanBuyMenu();
}

void onEditPackClicked() {
    ControlId button = eventSourceControl().control;
    for (int pack = 1; pack <= kPacks; ++pack) {
        if (kRows[pack - 1].button == button)
            return openPack(pack);
    }
}

void onQuickBuyEditorReturn() {
    closeBuyMenu();
    closeWindow(eventSourceControl());
}
