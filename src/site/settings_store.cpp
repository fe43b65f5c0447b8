#include "site/settings_store.h"

#include "site/page_table.h"
#include "site/store_file.h"
#include "site/text_utils.h"

#include <charconv>
#include <optional>
#include <string>

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
    std::string_view prefix;
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
    std::string_view prefix;
    bool TSitePage::*field;
};
constexpr PageFlagField PageFlagFields[] = {
    {"Page_ShowInMenu_", &TSitePage::ShowInMenu},
    {"Page_IsHomePage_", &TSitePage::IsHomePage},
    {"Page_Changed_", &TSitePage::Changed},
};

// The name of page i's value: prefix and decimal index, built without allocating.
class IndexedName {
public:
    IndexedName(std::string_view prefix, int i) {
        prefix.copy(buffer_, prefix.size());
        const auto end = std::to_chars(buffer_ + prefix.size(), buffer_ + sizeof buffer_, i).ptr;
        size_ = std::size_t(end - buffer_);
    }
    operator std::string_view() const { return {buffer_, size_}; }

private:
    char buffer_[40];
    std::size_t size_;
};

IndexedName indexed(std::string_view prefix, int i) {
    return {prefix, i};
}

// A page value's name split into its prefix and index; index -1 when it is not one.
struct PageValueName {
    std::string_view prefix;
    int index = -1;
};

PageValueName splitPageValueName(std::string_view name) {
    const std::size_t underscore = name.rfind('_');
    if (name.substr(0, 5) != "Page_" || underscore == std::string_view::npos)
        return {};
    const std::string_view digits = name.substr(underscore + 1);
    if (digits.empty() || (digits.size() > 1 && digits.front() == '0'))
        return {};
    int index = -1;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), index);
    if (error != std::errc() || end != digits.data() + digits.size())
        return {};
    return {name.substr(0, underscore + 1), index};
}

bool isTextPrefix(std::string_view prefix) {
    for (const PageTextField& f : PageTextFields)
        if (f.prefix == prefix)
            return true;
    return false;
}

bool isFlagPrefix(std::string_view prefix) {
    for (const PageFlagField& f : PageFlagFields)
        if (f.prefix == prefix)
            return true;
    return false;
}

Result lockFailure(const Folders& folders) {
    return Result::failure(
        QStringLiteral("The settings could not be saved to %1.").arg(folders.settingsFile));
}

Result saveValues(const Folders& folders, const StoreFile::NewValues& values) {
    const StoreLock lock(folders.settingsFile);
    if (!lock.locked())
        return lockFailure(folders);
    return StoreFile(folders.settingsFile)
        .save(
            [&values](std::string_view name) {
                for (const auto& [written, value] : values)
                    if (std::string_view(written.constData(), std::size_t(written.size())) == name)
                        return true;
                return false;
            },
            values);
}

void readAccountNames(const StoreFile& store, TAccount& account) {
    account.FirstName = store.read("FirstName");
    account.LastName = store.read("LastName");
    account.Email = store.read("Email");
    account.Password = store.read("Password");
    account.UnixName = store.read("UnixName");
}

} // namespace

void LoadAccount(SiteState& state, const Folders& folders) {
    const StoreFile store(folders.settingsFile);
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
    const StoreFile store(folders.settingsFile);
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
    const TAccount& account = state.Account;
    return saveValues(folders,
                      {{"FirstName", account.FirstName},
                       {"LastName", account.LastName},
                       {"Email", account.Email},
                       {"Password", account.Password},
                       {"UnixName", account.UnixName},
                       {"Domain", account.Domain},
                       {"HostingPackage", account.HostingPackage},
                       {"SelectedTemplateIndex", QString::number(state.SelectedTemplateIndex)},
                       {"TavoSiteStatus", boolText(account.TavoSiteStatus)},
                       {"UnixCreated", boolText(account.UnixCreated)}});
}

Result SavePages(const SiteState& state, const Folders& folders) {
    // The text values of the old table go; its flags stay, as nothing reads them past
    // PageCount. An unreadable old count removes nothing rather than blocking every save.
    const StoreLock lock(folders.settingsFile);
    if (!lock.locked())
        return lockFailure(folders);
    const StoreFile store(folders.settingsFile);
    const std::optional<int> oldLast = decimal(store.read("PageCount"));
    const int count = state.pageCount();

    const auto writeTable = [&](StoreValueWriter& writer) {
        writer.add("PageCount", QString::number(count - 1));
        for (int i = 0; i < count; ++i) {
            const TSitePage& page = state.Pages[i];
            for (const PageTextField& f : PageTextFields)
                writer.add(indexed(f.prefix, i), page.*f.field);
            for (const PageFlagField& f : PageFlagFields)
                writer.add(indexed(f.prefix, i), boolText(page.*f.field));
        }
    };

    const auto drop = [&](std::string_view name) {
        if (name == "PageCount")
            return true;
        const PageValueName page = splitPageValueName(name);
        if (page.index < 0)
            return false;
        const bool text = isTextPrefix(page.prefix);
        if (text && oldLast && page.index <= *oldLast)
            return true;
        return page.index < count && (text || isFlagPrefix(page.prefix)); // written anew
    };
    // About a line of name and value per text, as the old table took.
    return store.save(drop, writeTable, qsizetype(count) * 15 * 48);
}

Result SaveOwnFtpSettings(const SiteState& state, const Folders& folders) {
    const TOwnFtpSettings& ftp = state.OwnFtpSettings;
    return saveValues(folders, {{"FTPHost", ftp.FTPHost},
                                {"FTPUsername", ftp.FTPUsername},
                                {"FTPPassword", ftp.FTPPassword},
                                {"FTPDirectory", ftp.FTPDirectory},
                                {"FTPPort", QString::number(ftp.FTPPort)}});
}
