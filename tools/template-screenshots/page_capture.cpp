#include "page_capture.h"

#include <QEventLoop>
#include <QTimer>
#include <QUrl>
#include <QWebEngineView>

namespace {

// Lets the page paint after loading (images decode and layout settles a little later).
void Settle(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

int PageHeight(QWebEngineView& view) {
    int height = 0;
    QEventLoop loop;
    view.page()->runJavaScript(QStringLiteral("document.documentElement.scrollHeight"),
                               [&](const QVariant& value) {
                                   height = value.toInt();
                                   loop.quit();
                               });
    loop.exec();
    return height;
}

} // namespace

QImage CapturePage(const QString& htmlFile, QSize viewport, bool fullPage) {
    QWebEngineView view;
    view.setAttribute(Qt::WA_DontShowOnScreen);
    view.resize(viewport);
    view.show();

    bool loaded = false;
    QEventLoop loop;
    QObject::connect(&view, &QWebEngineView::loadFinished, &loop, [&](bool ok) {
        loaded = ok;
        loop.quit();
    });
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    view.load(QUrl::fromLocalFile(htmlFile));
    loop.exec();
    if (!loaded)
        return {};

    Settle(800);
    if (fullPage) {
        const int height = PageHeight(view);
        if (height > viewport.height()) {
            view.resize(viewport.width(), height);
            Settle(800);
        }
    }
    QImage picture = view.grab().toImage();
    picture.setDevicePixelRatio(1.0);
    return picture;
}
