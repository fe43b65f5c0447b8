// tavo page move FROM TO: the page list's drag of row FROM dropped on row TO (0-based).
#include "cli/cli_arguments.h"
#include "pages/page_list_operations.h"

namespace {

int runPageMove(CliContext& c) {
    const std::optional<int> from = c.args.size() == 2 ? ParseCount(c.args.at(0)) : std::nullopt;
    const std::optional<int> to = c.args.size() == 2 ? ParseCount(c.args.at(1)) : std::nullopt;
    if (!from || !to)
        return c.usage(QStringLiteral("page move FROM TO"));
    if (!SiteExists(c))
        return NoSiteYet(c);
    return Finish(c, MovePageInList(c.state, c.folders, *from, *to));
}

const CliCommand pageMove("page move", "page move FROM TO", runPageMove);

} // namespace
