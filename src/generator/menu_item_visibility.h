#pragma once

#include <QString>

// A hidden menu item keeps its markup; only its text becomes the comment "<!-- label -->".
// Both search the menu part of the page only (after "sys_navigation"), without regard to case,
// and change the first matching item; they return false and leave the page as it was when
// there is no such item.

// Replaces the text from the label (after a ">") up to the next "</a>" by the comment. An item
// whose text is exactly the label is preferred to one whose text only begins with it.
bool HideMenuItem(QString& page, const QString& label);

// Puts the label back in front of its comment, which stays.
bool ShowMenuItem(QString& page, const QString& label);
