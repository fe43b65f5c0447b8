#include "generator/template_library.h"

#include <QFileInfo>

QString TemplateFolder(const Folders& folders, int folderNumber) {
    return folders.appDataDir + QStringLiteral("templates/%1/").arg(folderNumber);
}

QList<int> TemplateFolderNumbers(const Folders& folders) {
    QList<int> numbers;
    for (int n = 1; n <= HighestTemplateFolder; ++n)
        if (QFileInfo::exists(TemplateFolder(folders, n) + QStringLiteral("index.html")))
            numbers.append(n);
    return numbers;
}

QString SelectedTemplateFolder(const SiteState& state, const Folders& folders) {
    const QList<int> numbers = TemplateFolderNumbers(folders);
    const int k = state.SelectedTemplateIndex;
    if (k < 0 || k >= numbers.size())
        return {};
    return TemplateFolder(folders, numbers.at(k));
}

Result FindSelectedTemplateFolder(const SiteState& state, const Folders& folders, QString* folder) {
    *folder = SelectedTemplateFolder(state, folders);
    if (folder->isEmpty())
        return Result::failure(
            QStringLiteral("The chosen design template (number %1) is not installed.")
                .arg(state.SelectedTemplateIndex + 1));
    return Result::success();
}

Result SelectGalleryEntry(SiteState& state, const Folders& folders, int k) {
    if (k < 0 || k >= TemplateFolderNumbers(folders).size())
        return Result::failure(
            QStringLiteral("There is no design template number %1 in the gallery.").arg(k));
    state.SelectedTemplateIndex = k;
    return Result::success();
}

GalleryEntry MakeGalleryEntry(int folderNumber, int galleryIndex, QSize screenshotSize) {
    const int column = galleryIndex % 3;
    const int row = galleryIndex / 3;
    return {folderNumber, (screenshotSize.width() + 75) * column + 20,
            (screenshotSize.height() + 75) * row + 20};
}

QImage MakeThumbnailReflection(const QImage& screenshot) {
    QImage reflection = screenshot.convertToFormat(QImage::Format_RGB888).mirrored(false, true);
    const int fadedRows = std::min(51, reflection.height());
    const int bytesPerRow = reflection.width() * 3;
    for (int y = 0; y < fadedRows; ++y) {
        uchar* bytes = reflection.scanLine(y);
        for (int i = 0; i < bytesPerRow; ++i) {
            const int v = bytes[i] * (50 - y) / 50 + 255 * y / 50;
            bytes[i] = uchar((v + 255) / 2);
        }
    }
    return reflection;
}

std::vector<GalleryItem> BuildGalleryItems(const Folders& folders) {
    std::vector<GalleryItem> items;
    const QList<int> numbers = TemplateFolderNumbers(folders);
    for (const int n : numbers) {
        QImage screenshot(TemplateFolder(folders, n) + QStringLiteral("ss.png"));
        if (screenshot.isNull())
            break;
        screenshot = screenshot.convertToFormat(QImage::Format_RGB888);
        const GalleryEntry entry = MakeGalleryEntry(n, int(items.size()), screenshot.size());
        items.push_back({entry, screenshot, MakeThumbnailReflection(screenshot)});
    }
    return items;
}
