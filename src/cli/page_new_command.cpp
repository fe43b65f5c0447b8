// tavo page new FILE LABEL: New Page with the two fields typed as given.
#include "cli/cli_arguments.h"
#include "pages/page_operations.h"

namespace {

int runPageNew(CliContext& c) {
    if (c.args.size() != 2)
        return c.usage(QStringLiteral("page new FILE LABEL"));
    if (!SiteExists(c))
        return NoSiteYet(c);
    PageNameFields fields{c.args.at(0), c.args.at(1)};
    return Finish(c, NewPage(c.state, c.folders, fields));
}

const CliCommand pageNew("page new", "page new FILE LABEL", runPageNew);

} // namespace
