// The quick-buy editor: its window over the five packs of the buy-menu file,
// the pack editor for one pack, and what the weapon chooser needs from them.
// The pack being edited lives in g.packList (slots 1..4, then the equipment
// words the file had) until the pack editor saves it.
#pragma once

#include "platform/files.h"
#include "platform/text.h"

struct QuickBuyState {
    // The buy-menu file, held open while the editor's window is open so that
    // nothing else can remove it meanwhile; 0 when it could not be opened.
    FileNumber buyMenuFile = 0;
    int currentPackNumber = 0;  // 1..5
    int packSlot = 0;           // the slot the weapon chooser fills: 1..4
};

extern QuickBuyState gQuickBuy;

// Reads the buy-menu file again: positions, command lists and the editor's
// twenty slot pictures, and its captions. Leaves the file open.
void scanBuyMenu();
void closeBuyMenu();

// Writes pack `pack` into the buy-menu file: its command line and image lines,
// wherever their markers are. The file is replaced in one step, so it is
// either fully old or fully new; false when it could not be written. Closes
// the held file, since Windows will not replace a file that is open.
bool savePack(int pack, const TextList& slots);

// Shows the pack editor's slot pictures for g.packList; an empty slot keeps
// the picture it has.
void refreshPackPictures();

// The chooser's pick: `model` into slot gQuickBuy.packSlot of g.packList.
void choosePackWeapon(const Text& model);

// The quick-buy editor, opened from the main window's "快速购买编辑" (按钮3).
void onOpenQuickBuyEditor();
void onQuickBuyEditorCreated();
void onEditPackClicked();
void onQuickBuyEditorReturn();
// The pack editor, opened by a pack's "编辑该栏".
void onPackEditorCreated();
void onPackSaveClicked();
void onPackCancelClicked();
void onPackSlotPressed();
// The weapon chooser, opened by a slot picture of the pack editor.
void onQuickBuyChooserCreated();
void onQuickBuyChooserCellPressed();
