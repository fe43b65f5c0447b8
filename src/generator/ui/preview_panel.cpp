#include "generator/ui/preview_panel.h"

#include "browser/web_browser.h"
#include "generator/ui/click_event.h"
#include "generator/ui/gallery_pictures.h"

#include <QEvent>
#include <QLabel>

namespace {
constexpr int BarHeight = 25;
// Room kept right of the back link.
constexpr int BackLinkMargin = 8;
// The browser's own border lies outside the area that shows it.
constexpr int BrowserBorder = 3;
} // namespace

PreviewPanel::PreviewPanel(WebBrowser* browser, QWidget* parent)
    : QWidget(parent), browser_(browser) {
    setObjectName(QStringLiteral("Panel22"));
    setAutoFillBackground(true);
    bar_ = new QWidget(this);
    bar_->setObjectName(QStringLiteral("PreviewBar"));
    bar_->setAttribute(Qt::WA_StyledBackground);
    bar_->setStyleSheet(
        QStringLiteral("#PreviewBar { background: #F3F5F9; border-bottom: 1px solid #D8DEE8; }"));
    backArrow_ = new QLabel(bar_);
    backArrow_->setObjectName(QStringLiteral("PreviewBackArrow"));
    backArrow_->setPixmap(PreviewBackArrowPicture());
    backArrow_->adjustSize();
    backLink_ = new QLabel(bar_);
    backLink_->setObjectName(QStringLiteral("PreviewBackLink"));
    backLink_->setStyleSheet(QStringLiteral("color: #2F6FED; font-weight: bold;"));
    for (QLabel* back : {backArrow_, backLink_}) {
        back->setCursor(Qt::PointingHandCursor);
        back->installEventFilter(this);
    }
    browserArea_ = new QWidget(this);
    browserArea_->setObjectName(QStringLiteral("PreviewBrowserArea"));
    browser_->setParent(browserArea_);
    browser_->show();
    hide();
}

QString PreviewPanel::backCaption() const {
    return backLink_->text();
}

void PreviewPanel::Open(QWidget* screen, const QString& backCaption, const QString& file) {
    if (parentWidget() != screen)
        setParent(screen);
    backLink_->setText(backCaption);
    backLink_->adjustSize();
    Layout();
    show();
    raise();
    browser_->Navigate(file);
}

void PreviewPanel::Layout() {
    if (QWidget* parent = parentWidget())
        setGeometry(0, 0, parent->width(), parent->height());
    bar_->setGeometry(0, 0, width(), BarHeight);
    // 130 from the right edge, further left when the link's text would not fit.
    const int arrowLeft = qMin(width() - 130, width() - BackLinkMargin - backLink_->width() - 30);
    backArrow_->move(arrowLeft, (BarHeight - backArrow_->height()) / 2);
    backLink_->move(backArrow_->x() + 30, (BarHeight - backLink_->height()) / 2);
    browserArea_->setGeometry(0, BarHeight, width(), height() - BarHeight);
    browser_->setGeometry(-BrowserBorder, -BrowserBorder, browserArea_->width() + BrowserBorder,
                          browserArea_->height() + BrowserBorder);
}

void PreviewPanel::Close() {
    hide();
    emit closed();
}

bool PreviewPanel::eventFilter(QObject* watched, QEvent* event) {
    if (IsLeftClickInside(watched, event)) {
        Close();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
