// template-screenshots: makes the gallery screenshots of the bundled design templates.
//
//   template-screenshots TEMPLATES_DIR
//       renders TEMPLATES_DIR/<n>/template_preview.html of every numbered template folder and
//       writes TEMPLATES_DIR/<n>/ss.png (24-bit, no transparency, the gallery's common size).
//   template-screenshots --page HTML_FILE --width W --out PNG [--viewport-height H]
//       renders one page at width W over its whole height, to check a design by eye.
//
// Run it under xvfb-run when there is no display; as root set QTWEBENGINE_DISABLE_SANDBOX=1.

#include "page_capture.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace {

// The gallery lays the screenshots out unscaled, three to a row; every template shares this.
constexpr QSize ScreenshotSize(280, 210);
// The preview is rendered at four times the screenshot size, so the picture is a true
// miniature of a desktop browser window.
constexpr QSize PreviewViewport(ScreenshotSize * 4);

bool WriteScreenshot(const QImage& rendered, const QString& pngFile) {
    const QImage small =
        rendered.scaled(ScreenshotSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_RGB888);
    return small.save(pngFile, "PNG");
}

int MakeScreenshots(const QString& templatesDir, QTextStream& out, QTextStream& err) {
    int made = 0;
    for (int n = 1; n <= 150; ++n) {
        const QString folder = QDir(templatesDir).filePath(QString::number(n));
        const QString preview = folder + QStringLiteral("/template_preview.html");
        if (!QFileInfo::exists(preview))
            continue;
        const QImage rendered =
            CapturePage(QFileInfo(preview).absoluteFilePath(), PreviewViewport, false);
        if (rendered.isNull() || !WriteScreenshot(rendered, folder + QStringLiteral("/ss.png"))) {
            err << "could not render " << preview << Qt::endl;
            return 1;
        }
        out << "wrote " << folder << "/ss.png" << Qt::endl;
        ++made;
    }
    if (made == 0) {
        err << "no template folder with template_preview.html in " << templatesDir << Qt::endl;
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Renders the gallery screenshots of the bundled templates."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("templates"),
                                 QStringLiteral("the data/templates folder"));
    const QCommandLineOption page(QStringLiteral("page"),
                                  QStringLiteral("render this one page instead"),
                                  QStringLiteral("html"));
    const QCommandLineOption width(QStringLiteral("width"),
                                   QStringLiteral("viewport width for --page"),
                                   QStringLiteral("pixels"), QStringLiteral("1280"));
    const QCommandLineOption height(QStringLiteral("viewport-height"),
                                    QStringLiteral("viewport height for --page"),
                                    QStringLiteral("pixels"), QStringLiteral("800"));
    const QCommandLineOption output(
        QStringLiteral("out"), QStringLiteral("picture file for --page"), QStringLiteral("png"));
    parser.addOptions({page, width, height, output});
    parser.process(app);

    if (parser.isSet(page)) {
        const QImage picture =
            CapturePage(QFileInfo(parser.value(page)).absoluteFilePath(),
                        QSize(parser.value(width).toInt(), parser.value(height).toInt()), true);
        if (picture.isNull() || !parser.isSet(output) || !picture.save(parser.value(output))) {
            err << "could not render " << parser.value(page) << Qt::endl;
            return 1;
        }
        return 0;
    }
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);
    return MakeScreenshots(parser.positionalArguments().first(), out, err);
}
