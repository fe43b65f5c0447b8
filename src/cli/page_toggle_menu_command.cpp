// tavo page toggle-menu FILE: the page list's show/hide tick of FILE.
#include "cli/cli_arguments.h"
#include "pages/page_list_operations.h"

namespace {

int runPageToggleMenu(CliContext& c) {
    if (c.args.size() != 1)
        return c.usage(QStringLiteral("page toggle-menu FILE"));
    int status = CliContext::Done;
    const int k = PageIndexOrFail(c, c.args.at(0), &status);
    if (k < 0)
        return status;
    return Finish(c, TogglePageMenuVisibility(c.state, c.folders, k));
}

const CliCommand pageToggleMenu("page toggle-menu", "page toggle-menu FILE", runPageToggleMenu);

} // namespace
