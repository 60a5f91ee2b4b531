// Window templates are data: one table per window, its controls front to back.
#pragma once

#include "platform/assets.h"

using WindowId = int;
using ControlId = int;
using Handler = void (*)();

enum class ControlKind {
    Button,
    Label,
    TransparentLabel,
    EditBox,
    ComboBox,
    CheckBox,
    GroupBox,
    PictureBox,
    PictureButton,
    Timer,
};

enum class HAlign { Left, Centre, Right };
enum class VAlign { Top, Centre, Bottom };

inline constexpr int kDefaultColour = -1;

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Character height in pixels (0: the default GUI font), weight, character set
// (GB2312_CHARSET 134, ANSI_CHARSET 0, DEFAULT_CHARSET 1) and face ("" for the
// character set's default face).
struct FontSpec {
    int height = 0;
    int weight = 400;
    int charset = 1;
    const char* face = "";
};

struct ControlTemplate {
    const char* name = "";
    ControlKind kind = ControlKind::Label;
    Rect rect{};
    const char* caption = "";  // also the edit box's content
    const char* tag = "";
    bool visible = true;
    bool disabled = false;
    bool tabStop = false;
    int textColour = kDefaultColour;  // 0xRRGGBB
    int backColour = kDefaultColour;
    FontSpec font{};
    HAlign align = HAlign::Left;
    VAlign valign = VAlign::Top;
    int displayMode = 0;        // picture box: 0 natural, 1 stretched, 2 centred and scaled down
    AssetName picture = "";     // picture box, or a picture button's normal picture
    AssetName hotPicture = "";  // picture button
    AssetName disabledPicture = "";  // picture button; derived from the normal one when ""
    AssetName hoverSound = "";       // picture button
    AssetName clickSound = "";       // picture button
    int interval = 0;                // timer, milliseconds
    bool integerOnly = false;        // edit box: digits and the minus sign only

    // Events. onClick: button, picture button, check box clicked. onChange: edit
    // content changed, combo item selected. onMouseDown: left button pressed on
    // a picture box. onMouseMove: mouse moved over a label. onTick: timer.
    Handler onClick = nullptr;
    Handler onChange = nullptr;
    Handler onMouseDown = nullptr;
    Handler onMouseMove = nullptr;
    Handler onTick = nullptr;
};

struct WindowTemplate {
    WindowId id = 0;
    const char* name = "";
    const char* title = "";
    int width = 0;  // outer size, border and title bar included
    int height = 0;
    bool minimizeBox = false;
    bool maximizeBox = false;
    int backColour = kDefaultColour;
    const ControlTemplate* controls = nullptr;
    int controlCount = 0;
    Handler onCreated = nullptr;
    Handler onDestroy = nullptr;  // about to be destroyed
};

// The catalogue of every window the program can load, filled by the shell.
void registerWindowTemplate(const WindowTemplate* window);
const WindowTemplate* findWindowTemplate(WindowId window);
