#include "generator/apply_template.h"

#include "generator/edit_copies.h"
#include "generator/menus.h"
#include "generator/new_site.h"
#include "generator/page_head.h"
#include "generator/regions.h"
#include "generator/result_chain.h"
#include "generator/template_library.h"
#include "site/settings_store.h"
#include "site/text_file.h"

#include <QFileInfo>

Result ApplyTemplateToPages(SiteState& state, const Folders& folders) {
    QString templateFolder;
    if (const Result found = FindSelectedTemplateFolder(state, folders, &templateFolder); !found)
        return found;
    const QString templateText = LoadTextFile(templateFolder + QStringLiteral("index.html"));

    Result result;
    for (int i = 0; i < state.pageCount(); ++i) {
        TSitePage& page = state.Pages[i];
        const QString path = PageFilePath(folders, page.FileName);
        if (!QFileInfo(path).isFile())
            continue;
        QString text = LoadTextFile(path);
        if (HasTransplantableRegions(text))
            text = TransplantRegions(text, templateText);
        const Result written = SaveTextFile(WritePageHead(text, page), path);
        if (written)
            page.Changed = true;
        result = FirstFailure(result, written);
    }
    return result;
}

Result ApplyTemplate(SiteState& state, const Folders& folders) {
    QString templateFolder;
    if (const Result found = FindSelectedTemplateFolder(state, folders, &templateFolder); !found)
        return found;
    InstallTemplateAssets(templateFolder, folders);
    Result result = ApplyTemplateToPages(state, folders);
    // The regeneration leaves exactly the pages hidden whose ShowInMenu is false.
    result = FirstFailure(result, RegenerateMenus(state, folders));
    result = FirstFailure(result, LoadPageForEditing(state, folders, QStringLiteral("index")));
    result = FirstFailure(result, SaveAccount(state, folders));
    // Every page now differs from its upload: keep that in the store, or a publish after a
    // restart would leave the old design on the server.
    return FirstFailure(result, SavePages(state, folders));
}
