// Moving between the screens: the tabs, the step indicator and the start screen.
#include "shell/main_window.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>

namespace {

const QSize StartFrameSize{941, 340};

// The tab that stands for a screen; 0 for the screens without one.
int tabFor(int mode) {
    switch (mode) {
    case AccountScreen:
        return 2;
    case GalleryScreen:
        return 3;
    case PageListScreen:
        return 4;
    case PublishScreen:
        return 5;
    default:
        return 0;
    }
}

} // namespace

void TForm1::ShowStep(int n) {
    for (int i = 1; i <= 3; ++i)
        steps_[size_t(i - 1)]->setVisible(i == n);
}

void TForm1::SelectTab(int k) {
    if (k < 1 || k > 5)
        return;
    if (SelectedTab == 4)
        callHook(hooks_.LeavePageList);
    callHook(hooks_.PromptUnsavedPage);
    const QPixmap highlighted(folders_.appDataDir + QStringLiteral("m%1.png").arg(k));
    if (highlighted.isNull())
        return;
    if (SelectedTab >= 1 && SelectedTab <= 5)
        tabs_[size_t(SelectedTab - 1)]->showNormal();
    SelectedTab = k;
    tabs_[size_t(k - 1)]->setPixmap(highlighted);
}

void TForm1::ShowTabs(bool shown) {
    for (ImageButton* tab : tabs_)
        tab->setVisible(shown);
}

void TForm1::EnterScreen(int mode) {
    const int heightBefore = height();
    ScreenMode = mode;
    if (const int tab = tabFor(mode))
        SelectTab(tab);
    ShowStep(mode == PublishScreen ? 3 : 2);
    FormResize();
    for (int m = StartScreen; m <= PublishScreen; ++m)
        panels_[size_t(m)]->setVisible(m == mode);
    callHook(hooks_.StopRegionTracking);
    if (mode == PublishScreen && height() > heightBefore) {
        if (const QScreen* s = screen())
            move(x(), s->geometry().height() / 2 - height() / 2 - 20);
    }
    if (hooks_.FillScreen)
        hooks_.FillScreen(*this, mode);
}

void TForm1::OpenPageList() {
    EnterScreen(PageListScreen);
}

void TForm1::OpenSiteFromStart() {
    OpenPageList();
    ShowTabs(true);
    startClose_->hide();
    FormResize();
    ShowStep(2);
}

void TForm1::OpenEditorScreen() {
    if (SelectedTab >= 1 && SelectedTab <= 5)
        tabs_[size_t(SelectedTab - 1)]->showNormal();
    SelectedTab = 0;
    EnterScreen(EditorScreen);
    ShowTabs(true);
}

void TForm1::Image48Click() {
    for (ImageButton* tab : tabs_)
        tab->showNormal();
    callHook(hooks_.StopRegionTracking);
    callHook(hooks_.PromptUnsavedPage);
    ShowTabs(false);
    if (publishedPopup_)
        publishedPopup_->hide();
    for (int m = StartScreen; m <= PublishScreen; ++m)
        panels_[size_t(m)]->hide();
    ScreenMode = StartScreen;
    auto* siteName = findChild<QLineEdit*>(QStringLiteral("Edit1"));
    if (siteName)
        siteName->clear();
    SetFrameSize(StartFrameSize);
    panels_[StartScreen]->show();
    banner2_->show();
    startClose_->show();
    FormResize();
    ShowStep(1);
    if (siteName)
        siteName->setFocus();
}

void TForm1::Image49Click() {
    EnterScreen(AccountScreen);
}
void TForm1::Image50Click() {
    EnterScreen(GalleryScreen);
}
void TForm1::Image51Click() {
    OpenPageList();
}
void TForm1::Image52Click() {
    EnterScreen(PublishScreen);
}
void TForm1::Image75Click() {
    OpenSiteFromStart();
}

void TForm1::Image122Click() {
    ScreenMode = StartScreen;
    ShowStep(1);
    SetFrameSize(StartFrameSize);
    panels_[StartScreen]->show();
    panels_[GalleryScreen]->hide();
    FormResize();
}
