#pragma once

#include "site/account.h"
#include "site/site_page.h"

#include <QList>
#include <QString>

inline constexpr char16_t FieldEnd[] = u"/////";  // ends fields 1 to 14 of a page record
inline constexpr char16_t RecordEnd[] = u"|||||"; // ends an account field and a page record

// One page as the service keeps it: fifteen fields, the file name first. The fields are not
// escaped; the terminators are the only structure.
QString PageRecordText(const TSitePage& page, const QString& fileName);

// The login reply: twelve account fields, then the page records.
struct AccountReply {
    QString Password, FirstName, LastName, Email, UnixName, Domain, FtpHost, FtpUsername,
        FtpPassword, FtpPort, FtpPath, HostingPackage;
    QList<TSitePage> Pages;
};

AccountReply ParseAccountReply(const QString& reply);
QString AccountReplyText(const AccountReply& reply);

// Takes the twelve account fields into account; FtpPort only when its field is all digits.
void ApplyAccountReply(const AccountReply& reply, TAccount& account);

// The "pages" value of the page-list update: every page's record in page order, the file
// name taken from the page selector.
struct SiteState;
QString PageListText(const SiteState& state);
