#pragma once

#include <QColor>

// The colours of the window and of every installation picture. The picture generator in
// tools/pictures draws with the same values, so painted widgets and pictures match.
namespace ShellPalette {
inline const QColor Header{0x1B, 0x25, 0x40};       // title area
inline const QColor HeaderRaised{0x2A, 0x36, 0x58}; // tabs and window buttons under the pointer
inline const QColor HeaderLine{0x0E, 0x14, 0x26};   // one-pixel window border
inline const QColor Accent{0x2F, 0x6F, 0xED};
inline const QColor AccentLight{0x4A, 0x84, 0xF5};
inline const QColor AccentDark{0x24, 0x59, 0xC4};
inline const QColor Success{0x1F, 0x9D, 0x6B};
inline const QColor SuccessLight{0x27, 0xB0, 0x7A};
inline const QColor SuccessDark{0x18, 0x83, 0x5A};
inline const QColor Danger{0xE0, 0x44, 0x4A};
inline const QColor DangerDark{0xB8, 0x32, 0x38};
inline const QColor Workspace{0xEE, 0xF1, 0xF6}; // behind the frame
inline const QColor Card{0xFF, 0xFF, 0xFF};      // the frame and dialog cards
inline const QColor CardLine{0xD8, 0xDE, 0xE8};
inline const QColor Toolbar{0xF3, 0xF5, 0xF9};
inline const QColor Text{0x1F, 0x29, 0x37};
inline const QColor TextMuted{0x6B, 0x72, 0x80};
inline const QColor TextOnDark{0xE6, 0xEA, 0xF2};
inline const QColor Disabled{0xC9, 0xCF, 0xD9};
} // namespace ShellPalette
