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

using QuickBuyEditor::packButton;
using QuickBuyEditor::packLabel;
using QuickBuyEditor::packSlot;

// The labels' captions, by pack.
constexpr const char* kPackCaptions[kPacks] = {"快速购买S", "快速购买D", "快速购买F", "快速购买G",
                                               "快速购买H"};

// Each pack's command list as the latest scan found it: what a marker that
// has gone since would have said is never kept.
Table<Text> gPackCommands(kPacks);

void setEditorCaptions() {
    for (int pack = 1; pack <= kPacks; ++pack) {
        setProperty(QuickBuyEditor::kId, packLabel(pack), kLabelCaption,
                    displayText(kPackCaptions[pack - 1]));
        setProperty(QuickBuyEditor::kId, packButton(pack), kButtonCaption, displayText("编辑该栏"));
    }
    setProperty(QuickBuyEditor::kId, QuickBuyEditor::按钮6, kButtonCaption,
                displayText("返回主界面"));
}

void showPackPictures(int pack) {
    TextList slots = splitText(gPackCommands[pack], ";");
    for (int slot = 1; slot <= kPackSlots && slot <= slots.count(); ++slot) {
        if (!slots[slot].empty())
            setProperty(QuickBuyEditor::kId, packSlot(pack, slot), kPicture,
                        weaponPicture(slots[slot]));
    }
}

// The pack's slots with room for all four, so that a pack the file names
// badly opens empty rather than short.
void openPack(int pack) {
    gQuickBuy.currentPackNumber = pack;
    g.packList = splitText(gPackCommands[pack], ";");
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
// writes, and a whole-file read shares only with readers. A write-protected
// file is held for reading: its packs show, and a save says it cannot be
// written.
void scanBuyMenu() {
    setEditorCaptions();
    closeBuyMenu();
    Bytes content = readWholeFile(buyMenuPath());
    gQuickBuy.buyMenuFile = openFile(buyMenuPath(), kOpenReadWrite, kShareReadWrite);
    if (gQuickBuy.buyMenuFile == 0)
        gQuickBuy.buyMenuFile = openFile(buyMenuPath(), kOpenRead, kShareReadWrite);
    BuyMenuScan scan = scanBuyMenuText(content);
    for (int pack = 1; pack <= kPacks; ++pack) {
        gPackCommands[pack] = scan.packs[pack - 1].commandList;
        showPackPictures(pack);
    }
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
        if (packButton(pack) == button)
            return openPack(pack);
    }
}

void onQuickBuyEditorReturn() {
    closeBuyMenu();
    closeWindow(eventSourceControl());
}
