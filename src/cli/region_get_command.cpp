// tavo region get FILE N: prints the content of region N of FILE's page file, exactly.
#include "cli/cli_arguments.h"
#include "generator/edit_copies.h"
#include "generator/regions.h"
#include "site/text_file.h"

namespace {

int runRegionGet(CliContext& c) {
    const std::optional<int> n = c.args.size() == 2 ? ParseCount(c.args.at(1)) : std::nullopt;
    if (!n)
        return c.usage(QStringLiteral("region get FILE N"));
    int status = CliContext::Done;
    const QString fileName = c.args.at(0);
    if (PageIndexOrFail(c, fileName, &status) < 0)
        return status;
    const QString text = LoadTextFile(PageFilePath(c.folders, fileName));
    if (!RegionContentBounds(text, *n).found)
        return c.fail(
            QStringLiteral("The page \"%1\" has no editable region %2.").arg(fileName).arg(*n));
    c.out << GetRegionHtml(text, *n);
    return CliContext::Done;
}

const CliCommand regionGet("region get", "region get FILE N", runRegionGet);

} // namespace
