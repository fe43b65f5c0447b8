// tavo new-site NAME [--template K]: the start panel's New Site with NAME, then the gallery's
// entry K and Next; ends with page "index" open for editing.
#include "cli/cli_arguments.h"
#include "generator/edit_copies.h"
#include "generator/new_site.h"
#include "generator/new_site_name.h"
#include "generator/template_library.h"
#include "site/settings_store.h"

namespace {

const QString Usage = QStringLiteral("new-site NAME [--template K]");

int runNewSite(CliContext& c) {
    int k = c.state.SelectedTemplateIndex;
    if (c.args.size() == 3 && c.args.at(1) == QLatin1String("--template")) {
        const std::optional<int> typed = ParseCount(c.args.at(2));
        if (!typed)
            return c.usage(Usage);
        k = *typed;
    } else if (c.args.size() != 1) {
        return c.usage(Usage);
    }
    const QString name = c.args.at(0);
    if (const Result checked = CheckNewSiteName(name); !checked)
        return c.fail(checked.message);
    ResetAccountForNewSite(c.state.Account, name);
    if (const Result selected = SelectGalleryEntry(c.state, c.folders, k); !selected)
        return c.fail(selected.message);
    if (const Result created = CreateSiteRun(c.state, c.folders); !created)
        return c.fail(created.message);
    if (const Result opened = LoadPageForEditing(c.state, c.folders, QStringLiteral("index"));
        !opened)
        return c.fail(opened.message);
    if (const Result saved = SaveAccount(c.state, c.folders); !saved)
        return c.fail(saved.message);
    return CliContext::Done;
}

const CliCommand newSite("new-site", "new-site NAME [--template K]", runNewSite);

} // namespace
