#include "shell/secondary_windows.h"

#include "shell/main_window.h"
#include "site/settings_store.h"

TForm2::TForm2(SiteState& state, const Folders& folders, TForm1& mainWindow)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      picture_(new QLabel(this)) {
    setObjectName(QStringLiteral("TForm2"));
    setWindowOpacity(180.0 / 255.0);
    setCursor(Qt::SizeAllCursor);
    picture_->setObjectName(QStringLiteral("Image1"));
    siteLoaded_ = LoadSite(state, folders);
    if (siteLoaded_)
        mainWindow.OpenSiteFromStart();
    else
        mainWindow.FormResize();
}

TForm3::TForm3()
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::WindowDoesNotAcceptFocus) {
    setObjectName(QStringLiteral("Form3"));
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setCursor(Qt::PointingHandCursor);
}
