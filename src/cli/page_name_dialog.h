#pragma once

#include "cli/cli_command.h"
#include "pages/page_name_fields.h"

using PageNameOperation = Result (*)(SiteState&, const Folders&, PageNameFields&);

// SRC FILE LABEL: page SRC is opened, then the dialog's OK runs with FILE and LABEL typed.
int RunPageNameDialog(CliContext& c, const QString& usage, PageNameOperation operation);
