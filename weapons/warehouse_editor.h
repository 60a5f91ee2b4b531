// The warehouse editor window: opened from the main window's "打开仓库编辑器"
// (按钮2), it reads the catalogue a moment after it opens, starts a category
// edit in the weapon picker (PRI) and carries the warehouse switch (按钮2).
#pragma once

void onOpenWarehouseEditor();
void onWarehouseEditorCreated();
void onWarehouseTimerTick();
void onEditWeaponsClicked();
void onWarehouseSwitchClicked();
