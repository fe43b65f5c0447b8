// tavo page props FILE TITLE DESCRIPTION KEYWORDS: page FILE is opened, Page Properties with the
// three fields, OK, then the editor's Save.
#include "cli/cli_arguments.h"
#include "generator/edit_copies.h"
#include "pages/page_operations.h"

namespace {

int runPageProps(CliContext& c) {
    if (c.args.size() != 4)
        return c.usage(QStringLiteral("page props FILE TITLE DESCRIPTION KEYWORDS"));
    int status = CliContext::Done;
    if (!OpenPageFirst(c, c.args.at(0), &status))
        return status;
    const TPageHead head{c.args.at(1), c.args.at(2), c.args.at(3)};
    if (const Result set = SetPageProperties(c.state, c.folders, head); !set)
        return c.fail(set.message);
    return Finish(c, SavePage(c.state, c.folders));
}

const CliCommand pageProps("page props", "page props FILE TITLE DESCRIPTION KEYWORDS",
                           runPageProps);

} // namespace
