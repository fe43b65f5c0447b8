#pragma once

class QEvent;
class QObject;

// A click on a picture: the left button released inside the widget that got the event.
bool IsLeftClickInside(QObject* watched, QEvent* event);
