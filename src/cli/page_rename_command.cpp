// tavo page rename FILE NEWFILE LABEL: page FILE is opened, then Rename Page with the fields.
// The home page's file-name field cannot be edited, so it keeps its file name.
#include "cli/page_name_dialog.h"
#include "pages/page_operations.h"

namespace {

int runPageRename(CliContext& c) {
    return RunPageNameDialog(c, QStringLiteral("page rename FILE NEWFILE LABEL"), RenamePage);
}

const CliCommand pageRename("page rename", "page rename FILE NEWFILE LABEL", runPageRename);

} // namespace
