// tavo region set FILE N: page FILE is opened, region N of its editing copy gets standard
// input unchanged (the region editor's HTML mode, OK), then the editor's Save.
#include "cli/cli_arguments.h"
#include "generator/edit_copies.h"

#include <QFile>

namespace {

QString readStandardInput() {
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(in.readAll());
}

int runRegionSet(CliContext& c) {
    const std::optional<int> n = c.args.size() == 2 ? ParseCount(c.args.at(1)) : std::nullopt;
    if (!n)
        return c.usage(QStringLiteral("region set FILE N"));
    int status = CliContext::Done;
    if (!OpenPageFirst(c, c.args.at(0), &status))
        return status;
    if (const Result set = WriteRegionToEditingCopy(c.state, c.folders, *n, readStandardInput());
        !set)
        return c.fail(set.message);
    return Finish(c, SavePage(c.state, c.folders));
}

const CliCommand regionSet("region set", "region set FILE N", runRegionSet);

} // namespace
