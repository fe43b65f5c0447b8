#pragma once

#include "service/service_config.h"
#include "service/service_outcome.h"
#include "site/folders.h"
#include "site/site_state.h"

// The worker's login: asks the service for the account and page list of email and password,
// downloads every page into WorkDir (template asset addresses turned back into "bin/"), and
// stores account and pages. A reply that is too short, or that names a page file the
// program would not create itself, is refused and changes nothing. On success the window
// opens the page list.
ServiceOutcome LoginRun(SiteState& state, const Folders& folders, const ServiceConfig& config,
                        const QString& email, const QString& password);

// The forgotten-password e-mail for email, as typed.
ServiceOutcome PasswordMailRun(const Folders& folders, const ServiceConfig& config,
                               const QString& email);

QString LoginRefusedMessage();
QString EnterEmailMessage();
QString EnterPasswordMessage();

// Removes the service's template asset addresses (templates 0 to 150) from a fetched page.
QString StripServiceTemplateAddresses(QString page, const ServiceConfig& config);
