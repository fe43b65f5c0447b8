#pragma once

#include "publish/php_page.h"
#include "publish/upload_report.h"
#include "site/folders.h"
#include "site/site_state.h"

// Puts every changed page, as a PHP wrapper "FileName.html.php", and the pictures those pages
// use into target.folder on the service's FTP server, over one connection. A page's Changed
// flag is cleared only when its put succeeded, so a failed page goes again next time.
UploadReport UploadHostedSite(SiteState& state, const Folders& folders, const FtpTarget& target,
                              const PhpPageTarget& php);

// Puts one local page, wrapped as PHP without picture rewriting, as remoteName + ".php".
UploadReport UploadHostedFile(const FtpTarget& target, const QString& localFile,
                              const QString& remoteName, const PhpPageTarget& php);
