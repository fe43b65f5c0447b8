#include "site/settings_store.h"

#include "site/page_table.h"
#include "site/text_utils.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString boolText(bool value) {
    return value ? QStringLiteral("true") : QStringLiteral("false");
}
bool textBool(const QString& text) {
    return text == QLatin1String("true");
}

std::optional<int> decimal(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

int digitsOr(const QString& text, int fallback) {
    if (!IsAllDigits(text))
        return fallback;
    return decimal(text).value_or(fallback);
}

// The twelve text values of page i, in stored order.
struct PageTextField {
    const char* prefix;
    QString TSitePage::*field;
};
constexpr PageTextField PageTextFields[] = {
    {"Page_Label_", &TSitePage::Label_},
    {"Page_FileName_", &TSitePage::FileName},
    {"Page_WindowTitle_", &TSitePage::WindowTitle},
    {"Page_Description_", &TSitePage::Description},
    {"Page_Keywords_", &TSitePage::Keywords},
    {"Page_Heading_", &TSitePage::Heading},
    {"Page_Text1_", &TSitePage::Text1},
    {"Page_Text2_", &TSitePage::Text2},
    {"Page_Text3_", &TSitePage::Text3},
    {"Page_Text4_", &TSitePage::Text4},
    {"Page_Text5_", &TSitePage::Text5},
    {"Page_Text6_", &TSitePage::Text6},
};

struct PageFlagField {
    const char* prefix;
    bool TSitePage::*field;
};
constexpr PageFlagField PageFlagFields[] = {
    {"Page_ShowInMenu_", &TSitePage::ShowInMenu},
    {"Page_IsHomePage_", &TSitePage::IsHomePage},
    {"Page_Changed_", &TSitePage::Changed},
};

QString indexed(const char* prefix, int i) {
    return QLatin1String(prefix) + QString::number(i);
}

// One open of the store for one operation.
class Store {
public:
    explicit Store(const QString& path) : path_(path), settings_(path, QSettings::IniFormat) {}

    QString read(const QString& name) const {
        const QVariant value = settings_.value(name);
        // A hand-edited value holding commas reads back as a list; keep its text.
        if (value.typeId() == QMetaType::QStringList)
            return value.toStringList().join(QStringLiteral(", "));
        return value.toString();
    }
    QString read(const char* name) const { return read(QLatin1String(name)); }
    void write(const QString& name, const QString& text) { settings_.setValue(name, text); }
    void write(const char* name, const QString& text) { write(QLatin1String(name), text); }
    void remove(const QString& name) { settings_.remove(name); }

    Result commit() {
        if (!prepareFile())
            return failure();
        settings_.sync();
        if (settings_.status() != QSettings::NoError)
            return failure();
        ::chmod(QFile::encodeName(path_).constData(), S_IRUSR | S_IWUSR);
        return Result::success();
    }

private:
    // The store holds passwords: make it private before anything is written into it.
    bool prepareFile() const {
        const QByteArray file = QFile::encodeName(path_);
        if (QFileInfo::exists(path_))
            return ::chmod(file.constData(), S_IRUSR | S_IWUSR) == 0;
        if (!QDir().mkpath(QFileInfo(path_).absolutePath()))
            return false;
        const int fd = ::open(file.constData(), O_WRONLY | O_CREAT | O_EXCL, S_IRUSR | S_IWUSR);
        if (fd < 0)
            return false;
        ::close(fd);
        return true;
    }
    Result failure() const {
        return Result::failure(QStringLiteral("The settings could not be saved to %1.").arg(path_));
    }

    QString path_;
    QSettings settings_;
};

void readAccountNames(const Store& store, TAccount& account) {
    account.FirstName = store.read("FirstName");
    account.LastName = store.read("LastName");
    account.Email = store.read("Email");
    account.Password = store.read("Password");
    account.UnixName = store.read("UnixName");
}

} // namespace

void LoadAccount(SiteState& state, const Folders& folders) {
    const Store store(folders.settingsFile);
    TAccount& account = state.Account;
    readAccountNames(store, account);
    account.Domain = store.read("Domain");
    const QString package = store.read("HostingPackage");
    account.HostingPackage = package.size() > 1 ? package : QStringLiteral("basic");
    // An all-digit index too large for an int would otherwise abort start-up; it means
    // the first design, like any other unusable value.
    state.SelectedTemplateIndex = digitsOr(store.read("SelectedTemplateIndex"), 0);
    account.TavoSiteStatus = textBool(store.read("TavoSiteStatus"));
    account.UnixCreated = textBool(store.read("UnixCreated"));
}

bool LoadSite(SiteState& state, const Folders& folders) {
    const Store store(folders.settingsFile);
    TOwnFtpSettings& ftp = state.OwnFtpSettings;
    ftp.FTPHost = store.read("FTPHost");
    ftp.FTPUsername = store.read("FTPUsername");
    ftp.FTPPassword = store.read("FTPPassword");
    ftp.FTPDirectory = store.read("FTPDirectory");
    ftp.FTPPort = digitsOr(store.read("FTPPort"), 21);

    if (store.read("UnixName").isEmpty())
        return false;

    TAccount& account = state.Account;
    readAccountNames(store, account);
    account.HostingPackage = store.read("HostingPackage");
    account.TavoSiteStatus = textBool(store.read("TavoSiteStatus"));
    account.UnixCreated = textBool(store.read("UnixCreated"));
    const std::optional<int> templateIndex = decimal(store.read("SelectedTemplateIndex"));
    if (!templateIndex)
        return false;
    state.SelectedTemplateIndex = *templateIndex;

    const std::optional<int> lastIndex = decimal(store.read("PageCount"));
    state.LastPageIndex = -1;
    if (!lastIndex)
        return false;
    ClearPageSelector(state);
    for (int i = 0; i <= *lastIndex; ++i) {
        const QString label = store.read(indexed("Page_Label_", i));
        const QString fileName = store.read(indexed("Page_FileName_", i));
        int slot = 0;
        if (!AppendPage(state, fileName, &slot))
            return false;
        state.LastPageIndex = slot;
        TSitePage& page = state.Pages[slot];
        page.Label_ = label;
        for (const PageTextField& f : PageTextFields)
            if (f.field != &TSitePage::Label_ && f.field != &TSitePage::FileName)
                page.*f.field = store.read(indexed(f.prefix, i));
        for (const PageFlagField& f : PageFlagFields)
            page.*f.field = textBool(store.read(indexed(f.prefix, i)));
    }
    return true;
}

Result SaveAccount(const SiteState& state, const Folders& folders) {
    Store store(folders.settingsFile);
    const TAccount& account = state.Account;
    store.write("FirstName", account.FirstName);
    store.write("LastName", account.LastName);
    store.write("Email", account.Email);
    store.write("Password", account.Password);
    store.write("UnixName", account.UnixName);
    store.write("Domain", account.Domain);
    store.write("HostingPackage", account.HostingPackage);
    store.write("SelectedTemplateIndex", QString::number(state.SelectedTemplateIndex));
    store.write("TavoSiteStatus", boolText(account.TavoSiteStatus));
    store.write("UnixCreated", boolText(account.UnixCreated));
    return store.commit();
}

Result SavePages(const SiteState& state, const Folders& folders) {
    Store store(folders.settingsFile);
    // The text values of the old table go; its flags stay, as nothing reads them past
    // PageCount. An unreadable old count removes nothing rather than blocking every save.
    const std::optional<int> oldLast = decimal(store.read("PageCount"));
    for (int i = 0; oldLast && i <= *oldLast && i < PageCapacity; ++i)
        for (const PageTextField& f : PageTextFields)
            store.remove(indexed(f.prefix, i));

    store.write("PageCount", QString::number(state.pageCount() - 1));
    for (int i = 0; i < state.pageCount(); ++i) {
        const TSitePage& page = state.Pages[i];
        for (const PageTextField& f : PageTextFields)
            store.write(indexed(f.prefix, i), page.*f.field);
        for (const PageFlagField& f : PageFlagFields)
            store.write(indexed(f.prefix, i), boolText(page.*f.field));
    }
    return store.commit();
}

Result SaveOwnFtpSettings(const SiteState& state, const Folders& folders) {
    Store store(folders.settingsFile);
    const TOwnFtpSettings& ftp = state.OwnFtpSettings;
    store.write("FTPHost", ftp.FTPHost);
    store.write("FTPUsername", ftp.FTPUsername);
    store.write("FTPPassword", ftp.FTPPassword);
    store.write("FTPDirectory", ftp.FTPDirectory);
    store.write("FTPPort", QString::number(ftp.FTPPort));
    return store.commit();
}
