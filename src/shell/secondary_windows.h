#pragma once

#include "site/folders.h"
#include "site/site_state.h"

#include <QLabel>
#include <QWidget>

class TForm1;

// The drag image of the page list: a borderless window at 180/255 opacity holding one
// picture. Creating it loads the stored site; when there is one, the main window opens it.
class TForm2 : public QWidget {
    Q_OBJECT
public:
    TForm2(SiteState& state, const Folders& folders, TForm1& mainWindow);

    QLabel* picture() const { return picture_; }
    bool siteLoaded() const { return siteLoaded_; }

private:
    QLabel* picture_;
    bool siteLoaded_ = false;
};

// The region editor's overlay window: borderless, always on top, per-pixel alpha, hand
// cursor. The page editor draws and places it.
class TForm3 : public QWidget {
    Q_OBJECT
public:
    TForm3();
};
