#pragma once

#include "drawing.h"

#include <QSize>

enum class ButtonState { Normal, Hover, Pressed };

// How a button is drawn; one look serves every button of one kind.
enum class ButtonLook {
    Primary,       // filled accent, white caption
    Success,       // filled green, white caption
    Neutral,       // white with a line, dark caption
    Locked,        // greyed, the save button while a save settles
    WindowControl, // flat on the title area, light icon
    WindowClose,   // like WindowControl, red under the pointer
    Tab,           // flat on the title area, rounded top
    TabSelected,   // the highlighted tab: the accent, joined to the strip below it
    RowIcon,       // an icon on the page list row; a soft plate under the pointer
    RowDanger,     // like RowIcon, red under the pointer
    Toolbar,       // the frame of a formatting button
};

struct ButtonDrawing {
    QSize size;
    ButtonLook look;
    QString caption;        // empty: icon only, or a blank button
    IconPainter icon;       // may be empty
    QColor background;      // what lies around the button's rounded corners
    QColor iconColour = {}; // for row icons; invalid: the look's own colour
    bool iconAfterCaption = false;
};

// The picture of a button in one state. Opaque: the window holds button pictures without alpha.
QImage PaintButton(const ButtonDrawing& drawing, ButtonState state);
