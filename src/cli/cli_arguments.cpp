#include "cli/cli_arguments.h"

#include "generator/edit_copies.h"
#include "site/page_table.h"
#include "site/text_utils.h"

std::optional<int> ParseCount(const QString& text) {
    if (!IsAllDigits(text) || text.size() > 9)
        return std::nullopt;
    return text.toInt();
}

bool SiteExists(const CliContext& c) {
    return c.state.pageCount() > 0;
}

int NoSiteYet(const CliContext& c) {
    return c.fail(QStringLiteral("There is no site yet: create one with tavo new-site."));
}

int PageIndexOrFail(const CliContext& c, const QString& fileName, int* status) {
    const int index = FindPage(c.state, fileName);
    if (index < 0)
        *status = c.fail(QStringLiteral("There is no page \"%1\" in this site.").arg(fileName));
    return index;
}

int Finish(const CliContext& c, const Result& result) {
    return result ? CliContext::Done : c.fail(result.message);
}

bool OpenPageFirst(CliContext& c, const QString& fileName, int* status) {
    const Result opened = LoadPageForEditing(c.state, c.folders, fileName);
    if (!opened)
        *status = c.fail(opened.message);
    return opened.ok;
}
