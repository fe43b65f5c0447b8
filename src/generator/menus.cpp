#include "generator/menus.h"

#include "generator/edit_copies.h"
#include "generator/menu_item_visibility.h"
#include "generator/menu_styles.h"
#include "generator/template_library.h"
#include "site/text_file.h"

#include <QFileInfo>
#include <array>
#include <map>
#include <vector>

namespace {

const QString CrLf = QStringLiteral("\r\n");

enum ModelPage { IndexModel = 0, AboutModel = 1, ContactModel = 2 };
constexpr std::array<const char*, 3> ModelFiles = {"index.html", "about-us.html",
                                                   "contact-us.html"};

enum SampleLabel { Home, AboutUs, PictureGallery, ContactUs };
constexpr std::array<const char*, 4> SampleLabels = {"home", "about us", "picture gallery",
                                                     "contact us"};

// The lower-cased model from the second character of its marker on; empty without the marker.
QString cutModel(const QString& model, const QString& marker) {
    const qsizetype at = model.indexOf(marker);
    if (at < 0)
        return {};
    return model.toLower().mid(at + 1);
}

// The sample item of label in the cut model: from the last copy start ending at or before
// the label up to the end of the label's item end text. Null when it is not there.
QString sampleItem(const QString& cut, SampleLabel label, const MenuStyle& style) {
    const QString needle = QLatin1String(SampleLabels[label]) + style.itemEnd;
    const qsizetype p = cut.indexOf(needle);
    if (p < 0)
        return {};
    const qsizetype from = p - style.copyStart.size() + 1;
    const qsizetype q = from < 0 ? -1 : cut.lastIndexOf(style.copyStart, from);
    if (q < 0)
        return {};
    return cut.mid(q, p + needle.size() - q);
}

QString pageItem(const QString& sample, SampleLabel label, const TSitePage& page,
                 const QString& separator) {
    if (sample.isNull())
        return {};
    QString item = sample;
    item.replace(QLatin1String(SampleLabels[label]), page.Label_);
    item = CrLf + item + CrLf + separator;
    const QString target = page.FileName + QStringLiteral(".html");
    for (const char* link :
         {"./", "index.php", "about-us.php", "picture-gallery.php", "contact-us.php"})
        item.replace(QLatin1String(link), target);
    return item;
}

// The items one model gives every page r, in the normal form and, for the pages in the
// middle, in the current-page form (the about-us sample).
struct ModelItems {
    std::vector<QString> normal;
    std::vector<QString> current;
};

ModelItems buildModelItems(const QString& cut, const MenuStyle& style, const SiteState& state) {
    const int n = state.pageCount();
    std::array<QString, 4> samples;
    for (int l = Home; l <= ContactUs; ++l)
        samples[l] = sampleItem(cut, SampleLabel(l), style);
    ModelItems items;
    items.normal.resize(n);
    items.current.resize(n);
    for (int r = 0; r < n; ++r) {
        const QString separator = r != n - 1 ? style.separator : QString();
        const TSitePage& page = state.Pages[r];
        const SampleLabel normal = r == 0 ? Home : r == n - 1 ? ContactUs : PictureGallery;
        items.normal[r] = pageItem(samples[normal], normal, page, separator);
        items.current[r] = normal == PictureGallery
                               ? pageItem(samples[AboutUs], AboutUs, page, separator)
                               : items.normal[r];
    }
    return items;
}

// Inserts the items one after another, each right before the first container end after the
// previous insertion point, exactly as inserting them one by one into the page would.
QString assembleBlock(const std::vector<const QString*>& items, const QString& containerEnd,
                      qsizetype sizeHint) {
    QString block;
    block.reserve(sizeHint);
    qsizetype at = 0;
    for (const QString* item : items) {
        block.insert(at, *item);
        const qsizetype end = item->indexOf(containerEnd, 0, Qt::CaseInsensitive);
        at += end >= 0 ? end : item->size();
    }
    return block;
}

// The models of one run, each read once, and the items made from them per menu style.
class MenuRun {
public:
    MenuRun(const SiteState& state, const QString& templateFolder, MenuRunStats& stats)
        : state_(state) {
        for (std::size_t m = 0; m < ModelFiles.size(); ++m) {
            models_[m] = LoadTextFile(templateFolder + QLatin1String(ModelFiles[m]));
            ++stats.modelFilesRead;
        }
        mainStyle_ = MainMenuStyleNumber(models_[IndexModel]);
    }

    int mainStyle() const { return mainStyle_; }

    // Replaces the menu after marker in page with the items of page i.
    void rebuild(QString& page, int i, const QString& marker, const MenuStyle& style) {
        const qsizetype m = page.indexOf(marker);
        if (m < 0)
            return;
        const qsizetype s = page.indexOf(style.itemStart, m);
        const qsizetype e = page.indexOf(style.containerEnd, m);
        if (s < 0 || e < 0)
            return;
        if (s < e)
            page.remove(s, e - s);
        const qsizetype insertAt = page.indexOf(style.containerEnd, m, Qt::CaseInsensitive);
        if (insertAt < 0)
            return;

        const int n = state_.pageCount();
        const ModelPage model = i == 0 ? IndexModel : i == n - 1 ? ContactModel : AboutModel;
        const ModelItems& items = itemsFor(model, marker, style);
        std::vector<const QString*> pageItems;
        pageItems.reserve(n);
        qsizetype size = 0;
        for (int r = 0; r < n; ++r) {
            const QString& item = r == i ? items.current[r] : items.normal[r];
            if (item.isNull())
                continue;
            pageItems.push_back(&item);
            size += item.size();
        }
        page.insert(insertAt, assembleBlock(pageItems, style.containerEnd, size));
    }

private:
    const ModelItems& itemsFor(ModelPage model, const QString& marker, const MenuStyle& style) {
        const Key key{model, &style};
        auto found = items_.find(key);
        if (found == items_.end())
            found =
                items_
                    .emplace(key, buildModelItems(cutModel(models_[model], marker), style, state_))
                    .first;
        return found->second;
    }

    using Key = std::pair<int, const MenuStyle*>;
    const SiteState& state_;
    std::array<QString, 3> models_;
    int mainStyle_ = 0;
    std::map<Key, ModelItems> items_;
};

// Loads every existing page file, lets edit change it, and writes back the pages edit
// changed, setting their Changed. Reports the first page that could not be written.
template <typename Edit>
Result editEveryPage(SiteState& state, const Folders& folders, MenuRunStats& stats, Edit edit) {
    Result result;
    for (int i = 0; i < state.pageCount(); ++i) {
        const QString path = PageFilePath(folders, state.Pages[i].FileName);
        if (!QFileInfo(path).isFile())
            continue;
        QString page = LoadTextFile(path);
        if (!edit(page, i))
            continue;
        const Result written = SaveTextFile(page, path);
        if (written) {
            state.Pages[i].Changed = true;
            ++stats.pageFilesWritten;
            stats.bytesWritten += page.size() + 2;
        } else if (result) {
            result = written;
        }
    }
    return result;
}

} // namespace

Result RegenerateMenus(SiteState& state, const Folders& folders, MenuRunStats* stats) {
    QString templateFolder;
    if (const Result found = FindSelectedTemplateFolder(state, folders, &templateFolder); !found)
        return found;
    MenuRunStats localStats;
    MenuRunStats& counts = stats ? *stats : localStats;
    MenuRun run(state, templateFolder, counts);
    return editEveryPage(state, folders, counts, [&run, &state](QString& page, int i) {
        if (run.mainStyle() != 0)
            run.rebuild(page, i, MainMenuMarker(), MainMenuStyle(run.mainStyle()));
        if (page.contains(SecondMenuMarker()))
            if (const MenuStyle* second = SecondMenuStyle(page, run.mainStyle()))
                run.rebuild(page, i, SecondMenuMarker(), *second);
        // The menus agree with the page list: hidden pages stay hidden.
        for (int k = 0; k < state.pageCount(); ++k)
            if (!state.Pages[k].ShowInMenu)
                HideMenuItem(page, state.Pages[k].Label_);
        return true;
    });
}

Result SetMenuItemVisibility(SiteState& state, const Folders& folders, int k, bool forceHide) {
    if (k < 0 || k >= state.pageCount())
        return Result::success();
    const QString label = state.Pages[k].Label_;
    const bool hide = forceHide || !state.Pages[k].ShowInMenu;
    MenuRunStats counts;
    return editEveryPage(state, folders, counts, [&](QString& page, int) {
        return hide ? HideMenuItem(page, label) : ShowMenuItem(page, label);
    });
}
