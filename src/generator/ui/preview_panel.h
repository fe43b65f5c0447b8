#pragma once

#include <QWidget>

class QLabel;
class WebBrowser;

// The panel that shows a page in the preview browser under a 25-pixel bar with a back arrow
// and a back link: the template preview on the gallery screen ("Back to Templates") and the
// whole-site preview on the editor screen ("Back to Editing"). It fills the screen it is
// opened on.
class PreviewPanel : public QWidget {
    Q_OBJECT
public:
    // browser becomes the panel's preview browser.
    explicit PreviewPanel(WebBrowser* browser, QWidget* parent = nullptr);

    // Puts the panel on screen, lays it out, shows it with the given back link and shows file.
    void Open(QWidget* screen, const QString& backCaption, const QString& file);
    // Fills the parent: bar on top, the browser below with its border cut off.
    void Layout();
    void Close();

    WebBrowser* browser() const { return browser_; }
    QString backCaption() const;

signals:
    // The back link or the back arrow was clicked; the panel is already hidden.
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    WebBrowser* browser_;
    QWidget* bar_;
    QLabel* backArrow_;
    QLabel* backLink_;
    QWidget* browserArea_;
};
