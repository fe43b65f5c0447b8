// tavo preview: the editor's Preview; prints the path of the previewed file. Every command
// saves its edits, so there is no editing copy with unsaved changes to save first.
#include "cli/cli_arguments.h"
#include "generator/edit_copies.h"
#include "site/page_table.h"

namespace {

int runPreview(CliContext& c) {
    if (!c.args.isEmpty())
        return c.usage(QStringLiteral("preview"));
    if (!SiteExists(c))
        return NoSiteYet(c);
    // A new run of the tool shows the site's first page, as the editor does after creation.
    if (c.state.SelectedPageIndex < 0)
        SelectPage(c.state, 0);
    QString previewed;
    if (const Result done = PreviewSite(c.state, c.folders, &previewed); !done)
        return c.fail(done.message);
    c.out << previewed << Qt::endl;
    return CliContext::Done;
}

const CliCommand preview("preview", "preview", runPreview);

} // namespace
