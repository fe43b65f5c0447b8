// tavo page save-as SRC FILE LABEL: page SRC is opened, then Save Page As with the fields.
#include "cli/page_name_dialog.h"
#include "pages/page_operations.h"

namespace {

int runPageSaveAs(CliContext& c) {
    return RunPageNameDialog(c, QStringLiteral("page save-as SRC FILE LABEL"), SavePageAs);
}

const CliCommand pageSaveAs("page save-as", "page save-as SRC FILE LABEL", runPageSaveAs);

} // namespace
