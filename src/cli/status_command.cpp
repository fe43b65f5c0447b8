// tavo status [--json]: the stored account, own-FTP settings, design and page table.
#include "cli/cli_command.h"
#include "cli/json_text.h"

namespace {

using Field = std::pair<const char*, QString>;

QString jsonObject(const QList<Field>& fields) {
    QStringList parts;
    for (const auto& [name, value] : fields)
        parts << JsonString(QLatin1String(name)) + QStringLiteral(": ") + value;
    return QStringLiteral("{ ") + parts.join(QStringLiteral(", ")) + QStringLiteral(" }");
}

QList<Field> accountFields(const TAccount& a) {
    return {{"FirstName", JsonString(a.FirstName)},
            {"LastName", JsonString(a.LastName)},
            {"Email", JsonString(a.Email)},
            {"Password", JsonString(a.Password)},
            {"UnixName", JsonString(a.UnixName)},
            {"Domain", JsonString(a.Domain)},
            {"HostingPackage", JsonString(a.HostingPackage)},
            {"TavoSiteStatus", JsonBool(a.TavoSiteStatus)},
            {"UnixCreated", JsonBool(a.UnixCreated)}};
}

QList<Field> ownFtpFields(const TOwnFtpSettings& f) {
    return {{"FTPHost", JsonString(f.FTPHost)},
            {"FTPUsername", JsonString(f.FTPUsername)},
            {"FTPPassword", JsonString(f.FTPPassword)},
            {"FTPDirectory", JsonString(f.FTPDirectory)},
            {"FTPPort", QString::number(f.FTPPort)}};
}

QList<Field> pageFields(const TSitePage& p) {
    return {{"FileName", JsonString(p.FileName)},
            {"Label_", JsonString(p.Label_)},
            {"WindowTitle", JsonString(p.WindowTitle)},
            {"Description", JsonString(p.Description)},
            {"Keywords", JsonString(p.Keywords)},
            {"Heading", JsonString(p.Heading)},
            {"Text1", JsonString(p.Text1)},
            {"Text2", JsonString(p.Text2)},
            {"Text3", JsonString(p.Text3)},
            {"Text4", JsonString(p.Text4)},
            {"Text5", JsonString(p.Text5)},
            {"Text6", JsonString(p.Text6)},
            {"ShowInMenu", JsonBool(p.ShowInMenu)},
            {"IsHomePage", JsonBool(p.IsHomePage)},
            {"Changed", JsonBool(p.Changed)}};
}

void printJson(const CliContext& c) {
    QStringList pages;
    for (int i = 0; i < c.state.pageCount(); ++i)
        pages << jsonObject(pageFields(c.state.Pages[i]));
    c.out << jsonObject({{"account", jsonObject(accountFields(c.state.Account))},
                         {"selectedTemplateIndex", QString::number(c.state.SelectedTemplateIndex)},
                         {"ownFtp", jsonObject(ownFtpFields(c.state.OwnFtpSettings))},
                         {"pages", QStringLiteral("[") + pages.join(QStringLiteral(", ")) +
                                       QStringLiteral("]")},
                         {"workDir", JsonString(c.folders.WorkDir())},
                         {"dataDir", JsonString(c.folders.appDataDir)}})
          << Qt::endl;
}

// Plain text: "Name: value" lines, JSON literals as values so empty texts stay visible.
void printFields(const CliContext& c, const QString& indent, const QList<Field>& fields) {
    for (const auto& [name, value] : fields)
        c.out << indent << name << ": " << value << Qt::endl;
}

void printText(const CliContext& c) {
    c.out << "Account:" << Qt::endl;
    printFields(c, QStringLiteral("  "), accountFields(c.state.Account));
    c.out << "SelectedTemplateIndex: " << c.state.SelectedTemplateIndex << Qt::endl;
    c.out << "Own FTP server:" << Qt::endl;
    printFields(c, QStringLiteral("  "), ownFtpFields(c.state.OwnFtpSettings));
    c.out << "Pages: " << c.state.pageCount() << Qt::endl;
    for (int i = 0; i < c.state.pageCount(); ++i) {
        c.out << "  Page " << i << ":" << Qt::endl;
        printFields(c, QStringLiteral("    "), pageFields(c.state.Pages[i]));
    }
    c.out << "WorkDir: " << c.folders.WorkDir() << Qt::endl;
    c.out << "AppDataDir: " << c.folders.appDataDir << Qt::endl;
}

int runStatus(CliContext& c) {
    if (c.args.isEmpty()) {
        printText(c);
        return CliContext::Done;
    }
    if (c.args == QStringList{QStringLiteral("--json")}) {
        printJson(c);
        return CliContext::Done;
    }
    return c.usage(QStringLiteral("status [--json]"));
}

const CliCommand status("status", "status [--json]", runStatus);

} // namespace
