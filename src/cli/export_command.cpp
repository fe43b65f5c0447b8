// tavo export DIR: Export with DIR chosen in the folder dialog.
#include "cli/cli_arguments.h"
#include "publish/export_site.h"

namespace {

int runExport(CliContext& c) {
    if (c.args.size() != 1 || c.args.at(0).isEmpty())
        return c.usage(QStringLiteral("export DIR"));
    if (!SiteExists(c))
        return NoSiteYet(c);
    const Result exported = ExportSiteToFolder(c.state, c.folders, c.args.at(0));
    if (!exported)
        return c.fail(exported.message);
    c.out << exported.message << Qt::endl;
    return CliContext::Done;
}

const CliCommand exportSite("export", "export DIR", runExport);

} // namespace
