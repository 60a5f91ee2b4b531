// Names of the assets built into the exe (assets/resources.rc). A resource's name is its
// asset's file name; Windows keeps resource names in capitals and compares them without
// regard to case, so these lower-case names find them as they are.
#pragma once

namespace assetName {

// The main window's banner, 800 x 400.
inline constexpr const char* kBanner = "banner.jpg";
// The mode chooser's pictures, 214 x 128, modes 1 to 5; 1 to 3 are replaced at run time.
inline constexpr const char* kModes[5] = {"mode1.jpg", "mode2.jpg", "mode3.jpg", "mode4.jpg",
                                          "mode5.jpg"};
// The mode chooser's button sounds.
inline constexpr const char* kHoverSound = "hover.wav";
inline constexpr const char* kClickSound = "click.wav";
// Quick-buy slot placeholders in slot order: primary, secondary, melee, grenade.
inline constexpr const char* kSlots[4] = {"slot_primary.jpg", "slot_secondary.jpg",
                                          "slot_melee.jpg", "slot_grenade.jpg"};
// The quick-buy weapon chooser's cell placeholder, 300 x 103.
inline constexpr const char* kChooserPlaceholder = "chooser_placeholder.jpg";

// Our own skin library, written out beside the exe when it is missing. Its resource comes
// from the build (skin/CMakeLists.txt), not from assets/resources.rc.
inline constexpr const char* kSkinLibrary = "SkinH_EL.dll";

// The 33 skins, numbered from 1; the launcher attaches kSkinInUse.
inline constexpr int kSkinCount = 33;
inline constexpr int kSkinInUse = 9;
inline constexpr const char* kSkins[kSkinCount] = {
    "skin01.she", "skin02.she", "skin03.she", "skin04.she", "skin05.she", "skin06.she",
    "skin07.she", "skin08.she", "skin09.she", "skin10.she", "skin11.she", "skin12.she",
    "skin13.she", "skin14.she", "skin15.she", "skin16.she", "skin17.she", "skin18.she",
    "skin19.she", "skin20.she", "skin21.she", "skin22.she", "skin23.she", "skin24.she",
    "skin25.she", "skin26.she", "skin27.she", "skin28.she", "skin29.she", "skin30.she",
    "skin31.she", "skin32.she", "skin33.she"};

// The program icon's group.
inline constexpr int kIconGroup = 1;

}  // namespace assetName
