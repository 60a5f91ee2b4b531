// The arms settings that the game's MetaHook plug-in reads: section "tattoo"
// of metahook.txt in the game folder, and the preview pictures of the arm
// models. Every other line of that file belongs to the plug-in.
#pragma once

#include "platform/text.h"

// "enable", "male" or "female"; empty when the file or the key is missing.
Text readArmsItem(const Text& key);
// False when the file could not be written; it is then left as it was, and
// the player is told.
bool writeArmsItem(const Text& key, const Text& value);
// The preview of an arm model ("male_2"), empty when there is none.
Bytes armPreview(const Text& model);
