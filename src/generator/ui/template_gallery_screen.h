#pragma once

#include <QObject>

class ImageButton;
class PreviewPanel;
class QLabel;
class TForm1;
class TemplateGallery;

// The template gallery screen (Panel2): the heading, the grid of templates, the preview panel
// and the action buttons. Reached for a new site (Next and Back shown, Save hidden) or from
// the Template tab to give the open site another design (Save shown, Next and Back hidden).
class TemplateGalleryScreen : public QObject {
    Q_OBJECT
public:
    enum class Mode { NewSite, TemplateChange };

    // Puts its controls on the form's gallery screen; its preview browser is WebBrowser1.
    explicit TemplateGalleryScreen(TForm1& form);

    // Once per run, at start-up.
    void BuildTemplateGallery();
    // The grid, the ticks and the buttons, for the screen's current size.
    void LayoutGallery();

    void EnterForNewSite();
    void EnterForTemplateChange();
    Mode mode() const { return mode_; }

    TemplateGallery* gallery() const { return gallery_; }
    PreviewPanel* previewPanel() const { return preview_; }
    ImageButton* nextButton() const { return next_; }
    ImageButton* saveButton() const { return save_; }
    QLabel* backButton() const { return back_; }

signals:
    void nextClicked();
    void saveClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void enterMode(Mode mode);

    TForm1& form_;
    QWidget* screen_;
    Mode mode_ = Mode::NewSite;
    QLabel* heading_;
    TemplateGallery* gallery_;
    PreviewPanel* preview_ = nullptr;
    ImageButton* next_; // Image31
    ImageButton* save_; // Image54
    QLabel* back_;      // Image122
};
