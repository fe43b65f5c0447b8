#include "service/account_reply.h"

#include "site/site_state.h"
#include "site/text_utils.h"

namespace {

QString boolText(bool value) {
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

// The reply's account fields in their order on the wire.
constexpr QString AccountReply::*AccountFields[] = {
    &AccountReply::Password, &AccountReply::FirstName,   &AccountReply::LastName,
    &AccountReply::Email,    &AccountReply::UnixName,    &AccountReply::Domain,
    &AccountReply::FtpHost,  &AccountReply::FtpUsername, &AccountReply::FtpPassword,
    &AccountReply::FtpPort,  &AccountReply::FtpPath,     &AccountReply::HostingPackage};

// Fields 2 to 12 of a page record; field 1 is the file name, 13 to 15 the flags.
constexpr QString TSitePage::*PageTextFields[] = {
    &TSitePage::Label_,  &TSitePage::WindowTitle, &TSitePage::Description, &TSitePage::Keywords,
    &TSitePage::Heading, &TSitePage::Text1,       &TSitePage::Text2,       &TSitePage::Text3,
    &TSitePage::Text4,   &TSitePage::Text5,       &TSitePage::Text6};

// Reads the reply front to back, one field ended by its terminator at a time.
class FieldReader {
public:
    explicit FieldReader(QString text) : rest_(std::move(text)) {}

    // The text before the first terminator; the field and its terminator leave the front.
    // Without a terminator the field is empty and the front loses one character less than a
    // terminator's length, as the service's own readers do.
    QString take(QStringView terminator) {
        const qsizetype at = rest_.indexOf(terminator);
        if (at < 0) {
            rest_.remove(0, terminator.size() - 1);
            return {};
        }
        QString field = rest_.left(at);
        rest_.remove(0, at + terminator.size());
        return field;
    }
    bool holds(QStringView text) const { return rest_.contains(text); }

private:
    QString rest_;
};

} // namespace

QString PageRecordText(const TSitePage& page, const QString& fileName) {
    const QString fieldEnd = QString::fromUtf16(FieldEnd);
    QString text = fileName + fieldEnd;
    for (const auto field : PageTextFields)
        text += page.*field + fieldEnd;
    text += boolText(page.ShowInMenu) + fieldEnd + boolText(page.IsHomePage) + fieldEnd +
            boolText(page.Changed) + QString::fromUtf16(RecordEnd);
    return text;
}

AccountReply ParseAccountReply(const QString& replyText) {
    AccountReply reply;
    FieldReader reader(replyText);
    for (const auto field : AccountFields)
        reply.*field = reader.take(RecordEnd);
    while (reader.holds(FieldEnd)) {
        TSitePage page;
        page.FileName = reader.take(FieldEnd);
        for (const auto field : PageTextFields)
            page.*field = reader.take(FieldEnd);
        page.ShowInMenu = reader.take(FieldEnd) == QLatin1String("true");
        page.IsHomePage = reader.take(FieldEnd) == QLatin1String("true");
        page.Changed = reader.take(RecordEnd) == QLatin1String("true");
        reply.Pages.append(page);
    }
    return reply;
}

QString AccountReplyText(const AccountReply& reply) {
    QString text;
    for (const auto field : AccountFields)
        text += reply.*field + QString::fromUtf16(RecordEnd);
    for (const TSitePage& page : reply.Pages)
        text += PageRecordText(page, page.FileName);
    return text;
}

void ApplyAccountReply(const AccountReply& reply, TAccount& account) {
    account.Password = reply.Password;
    account.FirstName = reply.FirstName;
    account.LastName = reply.LastName;
    account.Email = reply.Email;
    account.UnixName = reply.UnixName;
    account.Domain = reply.Domain;
    account.FtpHost = reply.FtpHost;
    account.FtpUsername = reply.FtpUsername;
    account.FtpPassword = reply.FtpPassword;
    if (IsAllDigits(reply.FtpPort)) {
        bool ok = false;
        const int port = reply.FtpPort.toInt(&ok);
        if (ok)
            account.FtpPort = port;
    }
    account.FtpPath = reply.FtpPath;
    account.HostingPackage = reply.HostingPackage;
}

QString PageListText(const SiteState& state) {
    QString text;
    for (int i = 0; i < state.pageCount(); ++i)
        text += PageRecordText(state.Pages[i], state.PageSelector.at(i));
    return text;
}
