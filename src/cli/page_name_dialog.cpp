#include "cli/page_name_dialog.h"

#include "cli/cli_arguments.h"

int RunPageNameDialog(CliContext& c, const QString& usage, PageNameOperation operation) {
    if (c.args.size() != 3)
        return c.usage(usage);
    int status = CliContext::Done;
    if (!OpenPageFirst(c, c.args.at(0), &status))
        return status;
    PageNameFields fields{c.args.at(1), c.args.at(2)};
    return Finish(c, operation(c.state, c.folders, fields));
}
