// tavo templates: the gallery's entries, one line each: gallery index and folder number.
#include "cli/cli_command.h"
#include "generator/template_library.h"

namespace {

int runTemplates(CliContext& c) {
    if (!c.args.isEmpty())
        return c.usage(QStringLiteral("templates"));
    const QList<int> numbers = TemplateFolderNumbers(c.folders);
    for (qsizetype k = 0; k < numbers.size(); ++k)
        c.out << k << ' ' << numbers.at(k) << Qt::endl;
    return CliContext::Done;
}

const CliCommand templates("templates", "templates", runTemplates);

} // namespace
