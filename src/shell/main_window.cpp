// The main window's parts and its creation at start-up.
#include "shell/main_window.h"

#include "shell/browser_right_click_filter.h"
#include "shell/shell_palette.h"
#include "site/settings_store.h"

#include <QApplication>
#include <QCloseEvent>
#include <QInputDialog>
#include <QLineEdit>
#include <QMetaMethod>
#include <QScreen>
#include <QScrollArea>

namespace {

QWidget* plainWidget(QWidget* parent, const QString& name, const QColor& colour = {}) {
    auto* w = new QWidget(parent);
    w->setObjectName(name);
    if (colour.isValid()) {
        w->setAttribute(Qt::WA_StyledBackground);
        w->setStyleSheet(QStringLiteral("#%1 { background: %2; }").arg(name, colour.name()));
    }
    return w;
}

QScrollArea* scrollBox(QWidget* parent, const QString& name) {
    auto* area = new QScrollArea(parent);
    area->setObjectName(name);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setStyleSheet(QStringLiteral("#%1 { background: transparent; }").arg(name));
    auto* content = new QWidget;
    content->setObjectName(name + QStringLiteral("Content"));
    content->setAutoFillBackground(false);
    area->setWidget(content);
    area->viewport()->setAutoFillBackground(false);
    return area;
}

void setTimer(QTimer& timer, const char* name, int interval) {
    timer.setObjectName(QLatin1String(name));
    timer.setInterval(interval);
}

} // namespace

// Borderless: the window draws its own title area and corners. X11 gives a frameless window
// no drop shadow; a compositing window manager may add one, and the window asks for nothing
// more, as painting its own would need a translucent margin around the rounded mask.
TForm1::TForm1(SiteState& state, const Folders& folders, ShellHooks hooks)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), state_(state), folders_(folders),
      hooks_(std::move(hooks)) {
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("Tavo Website Builder"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(
        QStringLiteral("#TForm1 { background: %1; }").arg(ShellPalette::Workspace.name()));
    setTimer(Timer1, "Timer1", 10);
    setTimer(Timer2, "Timer2", 4000);
    setTimer(Timer3, "Timer3", 10);
    setTimer(Timer6, "Timer6", 1000);
    setTimer(Timer7, "Timer7", 1000);
    setTimer(Timer9, "Timer9", 10);
    setTimer(Timer10, "Timer10", 10);
    setTimer(Timer12, "Timer12", 100);
    connect(&Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    connect(&Timer2, &QTimer::timeout, this, &TForm1::Timer2Timer);
    connect(&Timer10, &QTimer::timeout, this, &TForm1::Timer10Timer);
    connect(&Timer12, &QTimer::timeout, this, &TForm1::Timer12Timer);

    buildFrame();
    buildScreens();
    buildOverlay();
    callHook(hooks_.InstallScreens);

    resize(1202, 617);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect desk = screen->availableGeometry();
        move(desk.left() + desk.width() / 2 - 1202 / 2, desk.top() + desk.height() / 2 - 617 / 2);
    }
    FormCreate();
    FormResize();
}

TForm1::~TForm1() {
    FormDestroy();
}

ImageButton* TForm1::MakeButton(QWidget* parent, const QString& name, int set,
                                ImageButton::ReleaseTo release) {
    return new ImageButton(parent, name, Pictures, set, release);
}

void TForm1::buildFrame() {
    const QString data = folders_.appDataDir;
    titleArea_ = plainWidget(this, QStringLiteral("TitleArea"), ShellPalette::Header);
    strip_ = plainWidget(this, QStringLiteral("Image2"), ShellPalette::Accent);
    strip_->setFixedHeight(4);

    banner1_ = new QLabel(this);
    banner1_->setObjectName(QStringLiteral("StartBanner1"));
    banner1_->setPixmap(QPixmap(data + QStringLiteral("banner1.png")));
    banner1_->adjustSize();

    frame_ = plainWidget(this, QStringLiteral("Image3"));
    frame_->setAttribute(Qt::WA_StyledBackground);
    frame_->setStyleSheet(
        QStringLiteral("#Image3 { background: %1; border: 1px solid %2; border-bottom: none;"
                       " border-top-left-radius: 8px; border-top-right-radius: 8px; }")
            .arg(ShellPalette::Card.name(), ShellPalette::CardLine.name()));
    frame_->resize(941, 340);
    bottomBar_ = new QLabel(this);
    bottomBar_->setObjectName(QStringLiteral("Image20"));
    bottomBar_->setPixmap(QPixmap(data + QStringLiteral("bottom_bar.png")));
    bottomBar_->adjustSize();
    const QString sideStyle =
        QStringLiteral("#%1 { background: %2; border-bottom: 1px solid %3; }");
    bottomLeft_ = plainWidget(this, QStringLiteral("Image20Left"));
    bottomRight_ = plainWidget(this, QStringLiteral("Image20Right"));
    for (QWidget* side : {bottomLeft_, bottomRight_}) {
        side->setAttribute(Qt::WA_StyledBackground);
        side->setStyleSheet(sideStyle.arg(side->objectName(), ShellPalette::Card.name(),
                                          ShellPalette::CardLine.name()));
    }

    banner2_ = new QLabel(this);
    banner2_->setObjectName(QStringLiteral("StartBanner2"));
    banner2_->setPixmap(QPixmap(data + QStringLiteral("banner2.png")));
    banner2_->adjustSize();
    startArt_ = new QLabel(this);
    startArt_->setObjectName(QStringLiteral("StartPicture"));
    startArt_->setPixmap(QPixmap(data + QStringLiteral("start_art.png")));
    startArt_->adjustSize();
}

void TForm1::buildScreens() {
    const QString names[7] = {{},
                              QStringLiteral("Panel1"),
                              QStringLiteral("Panel2"),
                              QStringLiteral("Panel5"),
                              QStringLiteral("Panel10"),
                              QStringLiteral("Panel11"),
                              QStringLiteral("Panel14")};
    for (int mode = StartScreen; mode <= PublishScreen; ++mode) {
        panels_[size_t(mode)] = plainWidget(this, names[mode]);
        panels_[size_t(mode)]->hide();
    }
    QWidget* start = panels_[StartScreen];
    start->resize(600, 240);
    start->show();
    auto* startBuilding =
        MakeButton(start, QStringLiteral("Image14"), 1, ImageButton::ReleaseTo::Normal);
    startBuilding->move(0, 176);

    auto makeBrowser = [this](QWidget* parent, const QString& name) {
        QWidget* browser =
            hooks_.MakeBrowser ? hooks_.MakeBrowser(parent, name) : plainWidget(parent, name);
        browser->setObjectName(name);
        browser->hide();
    };
    makeBrowser(panels_[GalleryScreen], QStringLiteral("WebBrowser1"));
    makeBrowser(panels_[EditorScreen], QStringLiteral("WebBrowser3"));

    QWidget* pages = panels_[PageListScreen];
    pageListScroll_ = scrollBox(pages, QStringLiteral("ScrollBox2"));
    newPageButton_ =
        MakeButton(pages, QStringLiteral("Image55"), 21, ImageButton::ReleaseTo::Hover);
    exportButton_ = MakeButton(pages, QStringLiteral("Image60"), 23, ImageButton::ReleaseTo::Hover);
    exportButton_->setGuard(SaveLockGuard(), false);

    accountScroll_ = scrollBox(panels_[AccountScreen], QStringLiteral("ScrollBox3"));

    QWidget* publish = panels_[PublishScreen];
    publishHeading_ = new QLabel(publish);
    publishHeading_->setObjectName(QStringLiteral("PublishHeading"));
    publishHeading_->setPixmap(
        QPixmap(folders_.appDataDir + QStringLiteral("publish_heading.png")));
    publishHeading_->adjustSize();
    publishForm_ = plainWidget(publish, QStringLiteral("Panel33"));
    publishForm_->resize(520, 330);

    // The parts of the title area lie over the screens.
    startClose_ = MakeButton(this, QStringLiteral("Image75"), 4, ImageButton::ReleaseTo::Normal);
    startClose_->hide();
    connect(startClose_, &ImageButton::clicked, this, &TForm1::Image75Click);

    const QString data = folders_.appDataDir;
    logo_ = new QLabel(this);
    logo_->setObjectName(QStringLiteral("Logo"));
    logo_->setPixmap(QPixmap(data + QStringLiteral("logo.png")));
    logo_->adjustSize();
    logo_->move(22, 24);
    title_ = new QLabel(this);
    title_->setObjectName(QStringLiteral("Image18"));
    title_->setPixmap(QPixmap(data + QStringLiteral("title.png")));
    title_->adjustSize();
    for (int n = 1; n <= 3; ++n) {
        auto* step = new QLabel(this);
        step->setObjectName(QStringLiteral("StepPicture%1").arg(n));
        step->setPixmap(QPixmap(data + QStringLiteral("step%1.png").arg(n)));
        step->adjustSize();
        step->setVisible(n == 1);
        steps_[size_t(n - 1)] = step;
    }
    void (TForm1::*tabActions[5])() = {&TForm1::Image48Click, &TForm1::Image49Click,
                                       &TForm1::Image50Click, &TForm1::Image51Click,
                                       &TForm1::Image52Click};
    for (int k = 1; k <= 5; ++k) {
        auto* tab = MakeButton(this, QStringLiteral("Image%1").arg(47 + k), 10 + k,
                               ImageButton::ReleaseTo::Normal);
        tab->setGuard([this, k] { return SelectedTab == k; });
        tab->hide();
        connect(tab, &ImageButton::clicked, this, tabActions[k - 1]);
        tabs_[size_t(k - 1)] = tab;
    }
    minimiseButton_ =
        MakeButton(this, QStringLiteral("Image15"), 2, ImageButton::ReleaseTo::Normal);
    fillButton_ = MakeButton(this, QStringLiteral("Image16"), 3, ImageButton::ReleaseTo::Normal);
    closeButton_ = MakeButton(this, QStringLiteral("Image17"), 4, ImageButton::ReleaseTo::Normal);
    minimiseButton_->setToolTip(QStringLiteral("Minimise"));
    fillButton_->setToolTip(QStringLiteral("Fill the screen / Restore"));
    closeButton_->setToolTip(QStringLiteral("Close"));
    connect(minimiseButton_, &ImageButton::clicked, this, &TForm1::Image15Click);
    connect(fillButton_, &ImageButton::clicked, this, &TForm1::Image16Click);
    connect(closeButton_, &ImageButton::clicked, this, &TForm1::Image17Click);

    grip_ = new QLabel(this);
    grip_->setObjectName(QStringLiteral("ResizeGrip"));
    grip_->setPixmap(QPixmap(data + QStringLiteral("grip.png")));
    grip_->adjustSize();
    grip_->setCursor(Qt::SizeFDiagCursor);
    grip_->installEventFilter(this);

    const char* lineNames[4] = {"BorderLeft", "BorderRight", "BorderTop", "BorderBottom"};
    const char* cornerNames[4] = {"corner_tl", "corner_tr", "corner_bl", "corner_br"};
    for (size_t i = 0; i < 4; ++i) {
        borderLines_[i] = plainWidget(this, QLatin1String(lineNames[i]), ShellPalette::HeaderLine);
        corners_[i] = new QLabel(this);
        corners_[i]->setObjectName(QLatin1String(cornerNames[i]));
        corners_[i]->setPixmap(
            QPixmap(data + QLatin1String(cornerNames[i]) + QStringLiteral(".png")));
        corners_[i]->adjustSize();
        corners_[i]->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    const QList<QWidget*> headerParts = {titleArea_, logo_,     title_,
                                         steps_[0],  steps_[1], steps_[2]};
    for (QWidget* header : headerParts)
        header->installEventFilter(this);
}

void TForm1::buildOverlay() {
    overlay_ = new QLabel(this);
    overlay_->setObjectName(QStringLiteral("Panel7"));
    overlay_->hide();
    busyCard_ = new QLabel(overlay_);
    busyCard_->setObjectName(QStringLiteral("BusyCard"));
    busyCard_->setPixmap(QPixmap(folders_.appDataDir + QStringLiteral("busy_card.png")));
    busyCard_->adjustSize();
    busyCard_->hide();
    busyAnimation_ = new QLabel(overlay_);
    busyAnimation_->setObjectName(QStringLiteral("BusyAnimation"));
    busyAnimation_->resize(48, 48);
    busyAnimation_->hide();
    busyCaption_ = new QLabel(overlay_);
    busyCaption_->setObjectName(QStringLiteral("BusyCaption"));
    QFont captionFont = busyCaption_->font();
    captionFont.setPixelSize(17);
    captionFont.setBold(true);
    busyCaption_->setFont(captionFont);
    busyCaption_->setStyleSheet(QStringLiteral("color: %1;").arg(ShellPalette::Text.name()));
    busyCaption_->hide();
    messageLabel_ = new QLabel(overlay_);
    messageLabel_->setObjectName(QStringLiteral("MessageLabel"));
    messageLabel_->setWordWrap(true);
    messageLabel_->hide();
    cancelLink_ = new QLabel(QStringLiteral("Cancel"), overlay_);
    cancelLink_->setObjectName(QStringLiteral("Label11"));
    cancelLink_->setCursor(Qt::PointingHandCursor);
    cancelLink_->setStyleSheet(
        QStringLiteral("color: %1; text-decoration: underline;").arg(ShellPalette::Accent.name()));
    cancelLink_->adjustSize();
    cancelLink_->hide();
    okButton_ = MakeButton(overlay_, QStringLiteral("Image43"), 10, ImageButton::ReleaseTo::Normal);
    okButton_->hide();
    overlayClose_ =
        MakeButton(overlay_, QStringLiteral("Image45"), 4, ImageButton::ReleaseTo::Normal);
    overlayClose_->hide();
    connect(okButton_, &ImageButton::clicked, this, &TForm1::overlayConfirmed);
    connect(overlayClose_, &ImageButton::clicked, this, [this] {
        if (isSignalConnected(QMetaMethod::fromSignal(&TForm1::overlayCancelled)))
            emit overlayCancelled();
        else
            HideOverlay();
    });
}

void TForm1::FormCreate() {
    ScreenMode = StartScreen;
    FillsWorkArea = false;
    HyperlinkCount = -1;
    LoadAccount(state_, folders_);
    SaveLock = false;
    callHook(hooks_.PrepareRichTextEditor);
    rightClickFilter_ = new BrowserRightClickFilter(this);
    qApp->installEventFilter(rightClickFilter_);
    // A missing button picture ends the set-up here, like any other failure in it.
    const bool picturesLoaded = LoadPictureSets(Pictures, folders_.appDataDir);
    for (ImageButton* button : findChildren<ImageButton*>())
        button->showNormal();
    if (!picturesLoaded)
        return;
    const QString firstTemplate = folders_.appDataDir + QStringLiteral("templates/1/index.html");
    if (hooks_.NavigateBrowser) {
        for (const char* name : {"WebBrowser1", "WebBrowser3"})
            if (auto* browser = findChild<QWidget*>(QLatin1String(name)))
                hooks_.NavigateBrowser(browser, firstTemplate);
    }
    callHook(hooks_.BuildTemplateGallery);
}

void TForm1::FormDestroy() {
    if (rightClickFilter_)
        qApp->removeEventFilter(rightClickFilter_);
}

void TForm1::closeEvent(QCloseEvent* event) {
    // Everything is saved as it changes: closing needs no question.
    event->accept();
    emit closed();
}

bool TForm1::event(QEvent* event) {
    if (event->type() == QEvent::Type(MaskPasswordMessage)) {
        MaskPasswordBox();
        return true;
    }
    return QWidget::event(event);
}

void TForm1::MaskPasswordBox() {
    QWidget* front = QApplication::activeModalWidget();
    if (!front)
        return;
    if (auto* input = qobject_cast<QInputDialog*>(front))
        input->setTextEchoMode(QLineEdit::Password);
    if (auto* edit = front->findChild<QLineEdit*>())
        edit->setEchoMode(QLineEdit::Password);
}
