// The quick-buy weapon chooser: the owned weapons of the slot's category,
// up to twenty, each a picture over its display name. A pick goes into the
// pack being edited, which the pack editor shows at once.
#include "core/globals.h"
#include "core/window_ids.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/window.h"
#include "quickbuy/buy_menu_file.h"
#include "quickbuy/quick_buy.h"
#include "weapons/catalogue.h"
#include "weapons/inventory.h"

namespace {

// The slots of a pack follow the inventory's categories: primary, secondary,
// melee, grenade.
TextList ownedWeaponsOfSlot(int slot) {
    TextList offered;
    for (const Text& model : readCategoryList(slot)) {
        // An empty entry (two commas in a row) is no weapon, and a name the
        // buy-menu file cannot hold would break the pack it is written into.
        if (fitsPackLine(model) && offered.count() < QuickBuyChooser::kCells)
            offered.append(model);
    }
    return offered;
}

// The catalogue is read when the warehouse editor opens; a chooser opened
// before that reads it here, quietly, so that its captions are the weapons'
// names all the same.
void readCatalogueIfUnread() {
    if (g.catalogue.catalogueCount == 0)
        loadCatalogueFile(catalogueFilePath());
}

// The display name of the last catalogue position with this model; a model
// the catalogue does not know is shown by its own name.
Text captionOf(const Text& model) {
    int position = findWeaponByModel(model);
    return position > 0 ? g.catalogue.displayName[position] : model;
}

ControlRef cellPicture(int cell) {
    return {QuickBuyChooser::kId, QuickBuyChooser::cellPicture(cell)};
}

ControlRef cellLabel(int cell) {
    return {QuickBuyChooser::kId, QuickBuyChooser::cellLabel(cell)};
}

}  // namespace

void onQuickBuyChooserCreated() {
    TextList owned = ownedWeaponsOfSlot(gQuickBuy.packSlot);
    if (owned.empty()) {
        messageBox("仓库中没有此类武器！", kMbIconExclamation, "警告");
        closeWindow({QuickBuyChooser::kId, 0});
        return;
    }
    readCatalogueIfUnread();
    for (int cell = 1; cell <= owned.count(); ++cell) {
        const Text& model = owned[cell];
        setProperty(cellPicture(cell), kPropVisible, 1);
        setProperty(cellLabel(cell), kPropVisible, 1);
        setProperty(cellLabel(cell), kLabelCaption, captionOf(model));
        setProperty(cellLabel(cell), kPropTag, model);
        setProperty(cellPicture(cell), kPicture, weaponPicture(model));
    }
}

// Each picture's tag is its cell number; the cell's label carries the model.
void onQuickBuyChooserCellPressed() {
    ControlRef picture = eventSourceControl();
    int cell = toInteger(getText(picture, kPropTag));
    if (cell < 1 || cell > QuickBuyChooser::kCells)
        return;
    choosePackWeapon(getText(cellLabel(cell), kPropTag));
    closeWindow(picture);
}
