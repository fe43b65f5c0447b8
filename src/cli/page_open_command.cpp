// tavo page open FILE: page FILE is opened for editing.
#include "cli/cli_arguments.h"

namespace {

int runPageOpen(CliContext& c) {
    if (c.args.size() != 1)
        return c.usage(QStringLiteral("page open FILE"));
    int status = CliContext::Done;
    OpenPageFirst(c, c.args.at(0), &status);
    return status;
}

const CliCommand pageOpen("page open", "page open FILE", runPageOpen);

} // namespace
