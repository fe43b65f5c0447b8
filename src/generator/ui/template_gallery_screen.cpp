#include "generator/ui/template_gallery_screen.h"

#include "browser/web_browser.h"
#include "generator/ui/click_event.h"
#include "generator/ui/preview_panel.h"
#include "generator/ui/template_gallery.h"
#include "shell/main_window.h"

#include <QLabel>
#include <QScrollArea>

namespace {

// The buttons and the heading sit in the band above the grid.
constexpr int HeaderHeight = 72;
constexpr int HeadingLeft = 24;
constexpr int BackGap = 12;
// As tall as the Next picture.
constexpr QSize BackSize{96, 40};

int middleOfHeader(const QWidget* w) {
    return (HeaderHeight - w->height()) / 2;
}

} // namespace

TemplateGalleryScreen::TemplateGalleryScreen(TForm1& form)
    : QObject(&form), form_(form), screen_(form.findChild<QWidget*>(QStringLiteral("Panel2"))) {
    heading_ = new QLabel(screen_);
    heading_->setObjectName(QStringLiteral("GalleryHeading"));
    heading_->setStyleSheet(QStringLiteral("font-size: 18px; font-weight: bold; color: #1F2937;"));

    auto* previewBadge =
        form.MakeButton(nullptr, QStringLiteral("Image29"), 5, ImageButton::ReleaseTo::Nothing);
    previewBadge->setEnterLeaveOnly(true);
    gallery_ = new TemplateGallery(screen_, form.state(), form.folders(), previewBadge);

    if (auto* browser = screen_->findChild<WebBrowser*>(QStringLiteral("WebBrowser1"))) {
        preview_ = new PreviewPanel(browser, screen_);
        connect(gallery_, &TemplateGallery::previewRequested, this, [this](const QString& file) {
            preview_->Open(screen_, QStringLiteral("Back to Templates"), file);
        });
    }

    next_ = form.MakeButton(screen_, QStringLiteral("Image31"), 6, ImageButton::ReleaseTo::Hover);
    save_ = form.MakeButton(screen_, QStringLiteral("Image54"), 7, ImageButton::ReleaseTo::Hover);
    save_->setGuard(form.SaveLockGuard());
    save_->setToolTip(QStringLiteral("Use this template for your site"));
    connect(next_, &ImageButton::clicked, this, &TemplateGalleryScreen::nextClicked);
    connect(save_, &ImageButton::clicked, this, &TemplateGalleryScreen::saveClicked);

    back_ = new QLabel(QStringLiteral("Back"), screen_);
    back_->setObjectName(QStringLiteral("Image122"));
    back_->setAlignment(Qt::AlignCenter);
    back_->setCursor(Qt::PointingHandCursor);
    back_->setStyleSheet(
        QStringLiteral("#Image122 { font-size: 14px; color: #1F2937; background: white;"
                       " border: 1px solid #D8DEE8; border-radius: 4px; }"
                       "#Image122:hover { background: #F3F5F9; }"));
    back_->resize(BackSize);
    back_->installEventFilter(this);
    enterMode(Mode::NewSite);
}

void TemplateGalleryScreen::BuildTemplateGallery() {
    gallery_->BuildTemplateGallery();
}

void TemplateGalleryScreen::EnterForNewSite() {
    enterMode(Mode::NewSite);
}

void TemplateGalleryScreen::EnterForTemplateChange() {
    enterMode(Mode::TemplateChange);
}

void TemplateGalleryScreen::enterMode(Mode mode) {
    mode_ = mode;
    const bool newSite = mode == Mode::NewSite;
    next_->setVisible(newSite);
    back_->setVisible(newSite);
    save_->setVisible(!newSite);
    heading_->setText(newSite ? QStringLiteral("Choose a design for your new site")
                              : QStringLiteral("Choose another design for your site"));
    heading_->adjustSize();
    if (preview_)
        preview_->hide();
    gallery_->ShowSiteChoice();
    LayoutGallery();
}

void TemplateGalleryScreen::LayoutGallery() {
    gallery_->LayoutGallery();
    const QRect area = gallery_->scrollArea()->geometry();
    next_->move(area.x() + area.width() - next_->width(), middleOfHeader(next_));
    save_->move(next_->x(), middleOfHeader(save_));
    back_->move(next_->x() - BackGap - back_->width(), middleOfHeader(back_));
    heading_->move(HeadingLeft, middleOfHeader(heading_));
    if (preview_ && preview_->isVisible())
        preview_->Layout();
}

bool TemplateGalleryScreen::eventFilter(QObject* watched, QEvent* event) {
    if (watched == back_ && IsLeftClickInside(watched, event))
        form_.Image122Click();
    return QObject::eventFilter(watched, event);
}
