// tavo apply-template K: the design tab with gallery entry K selected, then Save.
#include "cli/cli_arguments.h"
#include "generator/apply_template.h"
#include "generator/template_library.h"

namespace {

int runApplyTemplate(CliContext& c) {
    const std::optional<int> k = c.args.size() == 1 ? ParseCount(c.args.at(0)) : std::nullopt;
    if (!k)
        return c.usage(QStringLiteral("apply-template K"));
    if (!SiteExists(c))
        return NoSiteYet(c);
    if (const Result selected = SelectGalleryEntry(c.state, c.folders, *k); !selected)
        return c.fail(selected.message);
    if (const Result applied = ApplyTemplate(c.state, c.folders); !applied)
        return c.fail(applied.message);
    return CliContext::Done;
}

const CliCommand applyTemplate("apply-template", "apply-template K", runApplyTemplate);

} // namespace
