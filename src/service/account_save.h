#pragma once

#include "service/service_config.h"
#include "service/service_outcome.h"
#include "site/folders.h"
#include "site/site_state.h"

// The boxes of the account screen.
struct AccountForm {
    QString FirstName, LastName, Email, Password, Confirm;
    QString SiteUrl; // the short name
    bool Enable = false;
    QString FtpHost, FtpUsername, FtpPassword;
    int FtpPort = 25;
    QString FtpPath;
};

// The screen as it opens: the account's values, the password in both password boxes.
AccountForm AccountFormFromAccount(const TAccount& account);

// Save before the worker starts: refused (false) when password and confirmation differ;
// otherwise the boxes go into Account, the short name cleaned like a site name, and
// oldUnixName receives the short name held before.
bool TakeAccountForm(SiteState& state, const AccountForm& form, QString& oldUnixName);

// The worker's account save: creates the site's address on first save (with the placeholder
// home page), renames it when the short name changed, and sends the whole account.
ServiceOutcome AccountSaveRun(SiteState& state, const Folders& folders, const ServiceConfig& config,
                              const QString& oldUnixName);

QString PlaceholderPageFileName(); // "_pblank.html" in AppDataDir

// The refusal of a save whose confirmation differs from the password (the window shows it by
// colouring "Confirm" red).
QString ConfirmationDiffersMessage();
