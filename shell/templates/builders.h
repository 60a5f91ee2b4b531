// Short forms for template rows: each kind with the defaults the windows share
// (buttons, edit boxes, combo boxes, check boxes and picture buttons are tab
// stops; labels and pictures are not), refined with chained setters.
#pragma once

#include "platform/window_template.h"

inline constexpr int kCharsetAnsi = 0;
inline constexpr int kCharsetGb2312 = 134;
inline constexpr int kBlack = 0x000000;
inline constexpr int kRed = 0xFF0000;
inline constexpr int kWhite = 0xFFFFFF;

struct Row : ControlTemplate {
    constexpr Row(const char* controlName, ControlKind controlKind, Rect where) {
        name = controlName;
        kind = controlKind;
        rect = where;
        tabStop = controlKind == ControlKind::Button || controlKind == ControlKind::EditBox ||
                  controlKind == ControlKind::ComboBox || controlKind == ControlKind::CheckBox ||
                  controlKind == ControlKind::PictureButton;
    }
    constexpr Row& text(const char* value) {
        caption = value;
        return *this;
    }
    constexpr Row& withTag(const char* value) {
        tag = value;
        return *this;
    }
    constexpr Row& colour(int rgb) {
        textColour = rgb;
        return *this;
    }
    constexpr Row& background(int rgb) {
        backColour = rgb;
        return *this;
    }
    constexpr Row& withFont(int height, int weight, int charset, const char* face = "") {
        font = FontSpec{height, weight, charset, face};
        return *this;
    }
    constexpr Row& aligned(HAlign horizontal, VAlign vertical) {
        align = horizontal;
        valign = vertical;
        return *this;
    }
    constexpr Row& mode(int display) {
        displayMode = display;
        return *this;
    }
    constexpr Row& image(AssetName asset) {
        picture = asset;
        return *this;
    }
    constexpr Row& sounds(AssetName hover, AssetName click) {
        hoverSound = hover;
        clickSound = click;
        return *this;
    }
    constexpr Row& hidden() {
        visible = false;
        return *this;
    }
    constexpr Row& disabledAtStart() {
        disabled = true;
        return *this;
    }
    constexpr Row& every(int milliseconds) {
        interval = milliseconds;
        return *this;
    }
    constexpr Row& digitsOnly() {
        integerOnly = true;
        return *this;
    }
    constexpr Row& clicked(Handler handler) {
        onClick = handler;
        return *this;
    }
    constexpr Row& changed(Handler handler) {
        onChange = handler;
        return *this;
    }
    constexpr Row& pressed(Handler handler) {
        onMouseDown = handler;
        return *this;
    }
    constexpr Row& hovered(Handler handler) {
        onMouseMove = handler;
        return *this;
    }
    constexpr Row& ticked(Handler handler) {
        onTick = handler;
        return *this;
    }
};

constexpr Row button(const char* name, Rect where, const char* caption) {
    return Row(name, ControlKind::Button, where).text(caption);
}
// Labels of these windows show black text unless told otherwise.
constexpr Row label(const char* name, Rect where, const char* caption) {
    return Row(name, ControlKind::Label, where).text(caption).colour(kBlack);
}
constexpr Row pictureBox(const char* name, Rect where, int displayMode) {
    return Row(name, ControlKind::PictureBox, where).mode(displayMode);
}
