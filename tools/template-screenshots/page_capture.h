#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// Renders a local HTML file in an embedded browser of the given viewport size and returns what
// it shows; with fullPage the picture grows to the page's whole height. A null image means the
// page did not load.
QImage CapturePage(const QString& htmlFile, QSize viewport, bool fullPage);
