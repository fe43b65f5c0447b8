// tavo page delete FILE: the page list's delete icon of FILE, confirmed.
#include "cli/cli_arguments.h"
#include "pages/page_operations.h"
#include "site/page_table.h"

namespace {

int runPageDelete(CliContext& c) {
    if (c.args.size() != 1)
        return c.usage(QStringLiteral("page delete FILE"));
    int status = CliContext::Done;
    const int k = PageIndexOrFail(c, c.args.at(0), &status);
    if (k < 0)
        return status;
    // The icon selects the page; the editor keeps its page until the deletion is confirmed.
    SelectPage(c.state, k);
    return Finish(c, DeletePage(c.state, c.folders));
}

const CliCommand pageDelete("page delete", "page delete FILE", runPageDelete);

} // namespace
