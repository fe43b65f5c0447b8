#include "generator/ui/template_gallery.h"

#include "generator/ui/click_event.h"
#include "generator/ui/gallery_pictures.h"

#include <QCursor>
#include <QEvent>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>

namespace {

// The ticks sit over the thumbnail's top right corner, the Preview button below the tick.
constexpr int TickOffsetLeft = 256;
constexpr int TickOffsetTop = -10;
constexpr int ReflectionHeight = 50;
const char* const IndexProperty = "galleryIndex";

QLabel* PictureLabel(QWidget* parent, const QString& name, const QPixmap& picture, QSize size) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setPixmap(picture);
    // Shown unscaled, cut to the label's size.
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setScaledContents(false);
    label->resize(size);
    return label;
}

} // namespace

TemplateGallery::TemplateGallery(QWidget* screen, SiteState& state, const Folders& folders,
                                 QWidget* previewButton)
    : QObject(screen), screen_(screen), state_(state), folders_(folders) {
    scroll_ = new QScrollArea(screen);
    scroll_->setObjectName(QStringLiteral("ScrollBox1"));
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(false);
    content_ = new QWidget;
    content_->setObjectName(QStringLiteral("GalleryContent"));
    content_->setAutoFillBackground(true);
    QPalette white = content_->palette();
    white.setColor(QPalette::Window, Qt::white);
    content_->setPalette(white);
    content_->resize(0, 0);
    scroll_->setWidget(content_);
    // White also beside and below a grid smaller than the area.
    scroll_->viewport()->setObjectName(QStringLiteral("GalleryViewport"));
    scroll_->viewport()->setStyleSheet(QStringLiteral("#GalleryViewport { background: white; }"));

    const QPixmap tick = GalleryTickPicture();
    hoverTick_ = PictureLabel(content_, QStringLiteral("HoverTick"), tick, tick.size());
    hoverTick_->setCursor(Qt::PointingHandCursor);
    hoverTick_->hide();
    hoverTick_->installEventFilter(this);
    selectionTick_ = PictureLabel(content_, QStringLiteral("SelectionTick"), tick, tick.size());
    selectionTick_->setAttribute(Qt::WA_TransparentForMouseEvents);
    selectionTick_->hide();

    if (!previewButton) {
        auto* plain = new QLabel(QStringLiteral("Preview"));
        plain->setObjectName(QStringLiteral("Image29"));
        plain->setAlignment(Qt::AlignCenter);
        plain->setStyleSheet(
            QStringLiteral("background: #2F6FED; color: white; border-radius: 3px;"));
        plain->resize(73, 20);
        previewButton = plain;
    }
    previewButton_ = previewButton;
    previewButton_->setParent(content_);
    previewButton_->setCursor(Qt::PointingHandCursor);
    previewButton_->hide();
    previewButton_->installEventFilter(this);
}

void TemplateGallery::BuildTemplateGallery() {
    const std::vector<GalleryItem> items = BuildGalleryItems(folders_);
    QSize contentSize(0, 0);
    for (size_t i = 0; i < items.size(); ++i) {
        const GalleryItem& item = items[i];
        const int k = int(i);
        const GalleryEntry& e = item.entry;
        const int W = item.screenshot.width();
        const int H = item.screenshot.height();

        auto* frame = new QFrame(content_);
        frame->setObjectName(QStringLiteral("_%1_2").arg(k));
        frame->setStyleSheet(QStringLiteral(
            "QFrame { border: 1px solid rgb(217, 217, 217); background: transparent; }"));
        frame->setGeometry(e.ThumbLeft - 1, e.ThumbTop - 1, W - 3, H - 3);
        frame->setProperty("folderNumber", e.FolderNumber);

        QLabel* thumb = PictureLabel(content_, QStringLiteral("_%1").arg(k),
                                     QPixmap::fromImage(item.screenshot), QSize(W - 5, H - 5));
        thumb->move(e.ThumbLeft, e.ThumbTop);
        QLabel* reflection =
            PictureLabel(content_, QStringLiteral("_r%1").arg(k),
                         QPixmap::fromImage(item.reflection), QSize(W - 5, ReflectionHeight));
        reflection->move(e.ThumbLeft, e.ThumbTop + H - 4);
        for (QLabel* part : {thumb, reflection}) {
            part->setProperty(IndexProperty, k);
            part->setCursor(Qt::PointingHandCursor);
            part->installEventFilter(this);
            part->show();
        }
        frame->show();
        entries_.push_back(e);
        contentSize = contentSize.expandedTo(
            QSize(e.ThumbLeft + W + 55, reflection->geometry().bottom() + 1 + 24));
    }
    content_->resize(contentSize);
    ShowSiteChoice();
}

void TemplateGallery::ShowSiteChoice() {
    chosen_ = state_.SelectedTemplateIndex;
    LayoutGallery();
}

int TemplateGallery::scrollPosition() const {
    return scroll_->verticalScrollBar()->value();
}

void TemplateGallery::placeTick(QLabel* tick, int k) {
    const GalleryEntry& e = entries_[size_t(k)];
    // In the scrolled area: on screen this is ThumbTop - p - 10 for scroll position p.
    tick->move(e.ThumbLeft + TickOffsetLeft, e.ThumbTop + TickOffsetTop);
}

void TemplateGallery::enterEntry(int k) {
    if (k < 0 || k >= int(entries_.size()))
        return;
    placeTick(hoverTick_, k);
    previewButton_->move(hoverTick_->x() - 10, hoverTick_->y() + hoverTick_->height() + 10);
    hoverTick_->show();
    previewButton_->show();
    hoverTick_->raise();
    previewButton_->raise();
    hovered_ = k;
}

bool TemplateGallery::pointerOnHoveredEntry() const {
    const QPoint global = QCursor::pos();
    if (!scroll_->viewport()->rect().contains(scroll_->viewport()->mapFromGlobal(global)))
        return false;
    const QPoint at = content_->mapFromGlobal(global);
    const QList<QWidget*> parts = {
        content_->findChild<QWidget*>(QStringLiteral("_%1").arg(hovered_)),
        content_->findChild<QWidget*>(QStringLiteral("_r%1").arg(hovered_)), hoverTick_,
        previewButton_};
    for (const QWidget* part : parts)
        if (part && part->isVisible() && part->geometry().contains(at))
            return true;
    return false;
}

void TemplateGallery::leaveEntry() {
    // Showing the tick or the Preview button under a resting pointer takes the pointer from
    // the thumbnail; hiding them then would give it back, and so on without end.
    if (pointerOnHoveredEntry())
        return;
    hoverTick_->hide();
    previewButton_->hide();
}

void TemplateGallery::SelectGalleryEntry(int k) {
    if (k < 0 || k >= int(entries_.size()))
        return;
    placeTick(selectionTick_, k);
    selectionTick_->show();
    selectionTick_->raise();
    chosen_ = k;
    emit entrySelected(k);
}

void TemplateGallery::PreviewGalleryEntry(int k) {
    if (k < 0 || k >= int(entries_.size()))
        return;
    emit previewRequested(TemplateFolder(folders_, entries_[size_t(k)].FolderNumber) +
                          QStringLiteral("template_preview.html"));
}

void TemplateGallery::LayoutGallery() {
    scroll_->setGeometry(8, 72, screen_->width() - 16, screen_->height() - 72);
    const int k = chosen_;
    if (k >= 0 && k < int(entries_.size())) {
        placeTick(selectionTick_, k);
        selectionTick_->show();
    } else {
        selectionTick_->hide();
    }
    selectionTick_->raise();
    hoverTick_->raise();
    previewButton_->raise();
}

bool TemplateGallery::eventFilter(QObject* watched, QEvent* event) {
    const bool onOverlay = watched == hoverTick_ || watched == previewButton_;
    const int k = onOverlay ? hovered_ : watched->property(IndexProperty).toInt();
    switch (event->type()) {
    case QEvent::Enter:
        enterEntry(k);
        break;
    case QEvent::Leave:
        leaveEntry();
        break;
    case QEvent::MouseButtonRelease:
        if (IsLeftClickInside(watched, event)) {
            if (watched == previewButton_)
                PreviewGalleryEntry(hovered_);
            else
                SelectGalleryEntry(k);
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
