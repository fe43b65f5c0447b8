#pragma once

#include "site/folders.h"
#include "site/result.h"
#include "site/site_state.h"

#include <QImage>
#include <QList>
#include <QSize>
#include <vector>

// Design templates live in AppDataDir "templates/1/" ... "templates/150/"; a folder counts
// exactly when it holds "index.html". The program never writes into them.
inline constexpr int HighestTemplateFolder = 150;

// The folder numbers of the installed templates, ascending: the gallery order. A template's
// 0-based position in this list is its gallery index.
QList<int> TemplateFolderNumbers(const Folders& folders);

// AppDataDir "templates/" n "/".
QString TemplateFolder(const Folders& folders, int folderNumber);

// The folder of gallery entry SelectedTemplateIndex, or empty when no template has that index.
QString SelectedTemplateFolder(const SiteState& state, const Folders& folders);

// SelectedTemplateFolder, or a failure the user can read when there is none.
Result FindSelectedTemplateFolder(const SiteState& state, const Folders& folders, QString* folder);

// Makes gallery entry k the chosen template; refused when there is no such entry. Nothing is
// saved: creating a site or applying the template does that.
Result SelectGalleryEntry(SiteState& state, const Folders& folders, int k);

// One thumbnail of the gallery grid: three columns, pitch of the screenshot size + 75.
struct GalleryEntry {
    int FolderNumber = 0;
    int ThumbLeft = 0;
    int ThumbTop = 0;
};

GalleryEntry MakeGalleryEntry(int folderNumber, int galleryIndex, QSize screenshotSize);

// The screenshot flipped top to bottom, its first 51 rows faded towards white.
QImage MakeThumbnailReflection(const QImage& screenshot);

// What the gallery shows per template: its entry, its screenshot and the reflection.
struct GalleryItem {
    GalleryEntry entry;
    QImage screenshot;
    QImage reflection;
};

// The gallery's items, built from each template's "ss.png". A screenshot that cannot be
// loaded ends the build there: the items before it stay.
std::vector<GalleryItem> BuildGalleryItems(const Folders& folders);
