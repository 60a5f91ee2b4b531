// Names of the pictures and sounds built into the program.
#pragma once

inline constexpr const char* kAssetBanner = "banner.jpg";
inline constexpr const char* kAssetMode1 = "mode1.jpg";
inline constexpr const char* kAssetMode2 = "mode2.jpg";
inline constexpr const char* kAssetMode3 = "mode3.jpg";
inline constexpr const char* kAssetMode4 = "mode4.jpg";
inline constexpr const char* kAssetMode5 = "mode5.jpg";
inline constexpr const char* kAssetHoverSound = "hover.wav";
inline constexpr const char* kAssetClickSound = "click.wav";
// Quick-buy slot placeholders, in slot order.
inline constexpr const char* kAssetSlotPrimary = "slot_primary.jpg";
inline constexpr const char* kAssetSlotSecondary = "slot_secondary.jpg";
inline constexpr const char* kAssetSlotMelee = "slot_melee.jpg";
inline constexpr const char* kAssetSlotGrenade = "slot_grenade.jpg";
