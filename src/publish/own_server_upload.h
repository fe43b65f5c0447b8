#pragma once

#include "publish/upload_report.h"
#include "site/account.h"
#include "site/folders.h"
#include "site/site_state.h"

// The check of "Save && Publish": which box is refused, if any.
enum class OwnFtpField { None, Host, User, Password };

// Checks the settings as typed (host with a ".", user and password not blank) and, when they
// pass, normalises the folder to begin and end with "/" with forward slashes ("" -> "/").
// A refused box leaves the folder as typed.
OwnFtpField CheckOwnFtpSettings(TOwnFtpSettings& settings);

// The text of a refused box's error line.
QString InvalidFieldMessage();

// Puts every page as plain HTML ("FileName.html", ".php" links turned into ".html"), the
// pictures they use and every file of templateBinFolder (into "bin/") to the user's own
// server, over one connection. Changed is cleared only for pages whose put succeeded.
UploadReport UploadOwnServerSite(SiteState& state, const Folders& folders, const FtpTarget& target,
                                 const QString& templateBinFolder);

// A page as it is published outside the hosting service: ".php" becomes ".html", any case.
QString StaticPageText(QString html);
