#pragma once

#include "generator/template_library.h"
#include "site/folders.h"
#include "site/site_state.h"

#include <QObject>
#include <vector>

class QLabel;
class QScrollArea;
class QWidget;

// The grid of the template gallery on its screen: per template a thumbnail "_k" with its
// frame "_k_2" and faded reflection "_rk" (k = gallery index), three columns wide; the hover
// tick and the Preview button that follow the pointer; the selection tick on the chosen
// template. The ticks and the Preview button lie in the scrolled area, so they stay on their
// thumbnail while it scrolls.
class TemplateGallery : public QObject {
    Q_OBJECT
public:
    // screen is the gallery screen; previewButton, if given, becomes the Preview button
    // (otherwise a plain one is made). Nothing is built until BuildTemplateGallery.
    TemplateGallery(QWidget* screen, SiteState& state, const Folders& folders,
                    QWidget* previewButton = nullptr);

    // Once per run: one entry per installed template, in folder order.
    void BuildTemplateGallery();
    // Makes entry k the chosen template on the screen. The site takes it only when Next or
    // Save acts on it: a design merely looked at must not change what the site publishes.
    void SelectGalleryEntry(int k);
    int ChosenGalleryEntry() const { return chosen_; }
    // Shows the site's own template as the chosen one again, as on entering the screen.
    void ShowSiteChoice();
    // Asks for the preview of entry k: previewRequested with its "template_preview.html".
    void PreviewGalleryEntry(int k);
    // Places the scroll area in the screen and the selection tick on the chosen entry.
    void LayoutGallery();

    const std::vector<GalleryEntry>& entries() const { return entries_; }
    int HoveredGalleryEntry() const { return hovered_; }
    QScrollArea* scrollArea() const { return scroll_; }

signals:
    void previewRequested(const QString& previewFile);
    void entrySelected(int k);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void enterEntry(int k);
    void leaveEntry();
    // The pointer is over a part of the hovered entry: its thumbnail, its reflection, the
    // hover tick or the Preview button.
    bool pointerOnHoveredEntry() const;
    void placeTick(QLabel* tick, int k);
    int scrollPosition() const;

    QWidget* screen_;
    SiteState& state_;
    Folders folders_;
    QScrollArea* scroll_;
    QWidget* content_;
    QLabel* hoverTick_;
    QLabel* selectionTick_;
    QWidget* previewButton_;
    std::vector<GalleryEntry> entries_;
    int hovered_ = -1;
    int chosen_ = -1;
};
