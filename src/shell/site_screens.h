#pragma once

#include "service/service_config.h"
#include "shell/shell_hooks.h"

// Plugs the site's screens into the window: the embedded browsers, the start panel and what
// it starts, the template gallery with its Next, Back and Save, and the editor's edit view.
// Hooks already set are kept and run first.
void InstallSiteScreens(ShellHooks& hooks, const ServiceConfig& config);
