#pragma once

#include "publish/ftp_connection.h"
#include "publish/upload_report.h"
#include "site/folders.h"
#include "site/site_state.h"

#include <functional>

// The steps both uploads share: each page goes through the staging file to the server, then
// the pictures the sent pages use.

// A page's text as it is sent: in the page files' code page, with the one line end a saved
// page file gets. Pages go to the server from memory, without a staging file.
QByteArray PageFileBytes(const QString& text);

struct PagePutRule {
    bool changedOnly = false;                              // skip pages whose Changed is clear
    std::function<QString(const QString& html)> transform; // page text as it is sent
    QString remoteSuffix;                                  // ".html.php" or ".html"
};

// Puts the pages by rule and returns the sent texts joined, for the picture scan. Changed is
// cleared for each page whose put succeeded, and only for it.
QString PutPages(FtpConnection& connection, SiteState& state, const Folders& folders,
                 const PagePutRule& rule, UploadReport& report);

// Puts every picture ImageAssetLoop finds in sentText under its own name.
void PutImages(FtpConnection& connection, const QString& sentText, const Folders& folders,
               UploadReport& report);

// Connects and changes to target.folder; false (with the problem reported) when that fails.
bool OpenConnection(FtpConnection& connection, const FtpTarget& target, UploadReport& report);
