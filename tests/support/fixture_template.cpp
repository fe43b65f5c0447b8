#include "support/fixture_template.h"

#include "generator/template_library.h"
#include "site/page_table.h"

#include <QDir>
#include <QFile>

namespace {

struct Sample {
    const char* label;
    const char* link;
};
constexpr Sample Samples[] = {{"Home", "./"},
                              {"About Us", "about-us.php"},
                              {"Picture Gallery", "picture-gallery.php"},
                              {"Contact Us", "contact-us.php"}};

QString mainItem(int style, const Sample& s, bool current) {
    const QString cls = current ? QStringLiteral(" class=\"current\"") : QString();
    const QString link = QLatin1String(s.link);
    const QString label = QLatin1String(s.label);
    switch (style) {
    case 1:
        return QStringLiteral("<li%1><a href=\"%2\">%3</a></li>\n").arg(cls, link, label);
    case 2:
        return QStringLiteral("<span%1><a href=\"%2\">%3</a></span>\n").arg(cls, link, label);
    case 3:
        return QStringLiteral("<a%1 href=\"%2\">%3</a> |\n").arg(cls, link, label);
    default:
        return QStringLiteral("<li%1><a href=\"%2\"><span>%3</span></a></li>\n")
            .arg(cls, link, label);
    }
}

QString secondItem(const QString& style, const Sample& s, bool last) {
    const QString link = QLatin1String(s.link);
    const QString label = QLatin1String(s.label);
    if (style.startsWith(QLatin1Char('1'))) {
        QString item = QStringLiteral("<li><a href=\"%1\">%2</a></li>").arg(link, label);
        if (style == QLatin1String("1b") && !last)
            item += QStringLiteral("<li><span class=\"nav_sep\">|</span></li>");
        return item + QLatin1Char('\n');
    }
    QString item = QStringLiteral("<a href=\"%1\">%2</a>").arg(link, label);
    if (style == QLatin1String("2b") && !last)
        item += QStringLiteral(" | ");
    return item + QLatin1Char('\n');
}

} // namespace

QString FixtureTemplatePage(const FixtureTemplateOptions& o, const QString& currentLabel,
                            const QString& regionText) {
    const bool list = o.mainStyle == 1 || o.mainStyle == 4;
    QString page = QStringLiteral("<html><head><title>Sample Title</title>\n"
                                  "<meta name=\"description\" content=\"template description\">\n"
                                  "<meta name=\"keywords\" content=\"template keywords\">\n"
                                  "<link href=\"bin/style.css\" rel=\"stylesheet\">\n"
                                  "<!-- dtype%1 -->\n</head><body>\n")
                       .arg(o.mainStyle);
    page += list ? QStringLiteral("<ul id=\"sys_navigation\">\n")
                 : QStringLiteral("<div id=\"sys_navigation\">\n");
    for (const Sample& s : Samples) {
        if (!o.withPictureGallerySample &&
            QLatin1String(s.label) == QLatin1String("Picture Gallery"))
            continue;
        page += mainItem(o.mainStyle, s,
                         QLatin1String(s.label).compare(currentLabel, Qt::CaseInsensitive) == 0);
    }
    page += list ? QStringLiteral("</ul>\n") : QStringLiteral("</div>\n");
    for (int n = 1; n <= 4; ++n)
        page += QStringLiteral("<div id=\"tavodiv%1\"><p>%2 %1</p></div><!-- tavodiv%1 -->\n")
                    .arg(n)
                    .arg(regionText);
    if (!o.secondMenuStyle.isEmpty()) {
        const bool secondList = o.secondMenuStyle.startsWith(QLatin1Char('1'));
        page += QStringLiteral("<!-- 2nd Menu Type %1 -->\n").arg(o.secondMenuStyle);
        page += secondList ? QStringLiteral("<ul class=\"footer\">\n")
                           : QStringLiteral("<div class=\"footer\">\n");
        for (int i = 0; i < 4; ++i)
            page += secondItem(o.secondMenuStyle, Samples[i], i == 3);
        page += secondList ? QStringLiteral("</ul>\n") : QStringLiteral("</div>\n");
    }
    return page + QStringLiteral("</body></html>\n");
}

void WriteFile(const QString& path, const QString& text) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(text.toUtf8());
}

QString ReadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

void WriteFixtureTemplate(const QString& folder, const FixtureTemplateOptions& options) {
    QDir().mkpath(folder + QStringLiteral("bin"));
    WriteFile(folder + QStringLiteral("index.html"),
              FixtureTemplatePage(options, QStringLiteral("home"), QStringLiteral("index region")));
    WriteFile(
        folder + QStringLiteral("about-us.html"),
        FixtureTemplatePage(options, QStringLiteral("about us"), QStringLiteral("about region")));
    WriteFile(folder + QStringLiteral("picture-gallery.html"),
              FixtureTemplatePage(options, QString(), QStringLiteral("gallery region")));
    WriteFile(folder + QStringLiteral("contact-us.html"),
              FixtureTemplatePage(options, QStringLiteral("contact us"),
                                  QStringLiteral("contact region")));
    WriteFile(folder + QStringLiteral("bin/style.css"), QStringLiteral("body { color: #333; }\n"));
    WriteFile(folder + QStringLiteral("template_preview.html"), QStringLiteral("<html></html>\n"));
}

FixtureSite::FixtureSite() {
    const QString root = dir_.path() + QLatin1Char('/');
    folders_.tempFolder = root + QStringLiteral("temp/");
    folders_.appDataDir = root + QStringLiteral("data/");
    folders_.settingsFile = root + QStringLiteral("config/store.ini");
    QDir().mkpath(folders_.PreviewDir());
    QDir().mkpath(folders_.appDataDir + QStringLiteral("templates"));
}

void FixtureSite::addTemplate(int folderNumber, const FixtureTemplateOptions& options) {
    WriteFixtureTemplate(TemplateFolder(folders_, folderNumber), options);
}

void FixtureSite::makeSite(SiteState& state, const QStringList& fileNames,
                           const QStringList& labels) {
    ClearPageSelector(state);
    const QString index = SelectedTemplateFolder(state, folders_) + QStringLiteral("index.html");
    for (qsizetype i = 0; i < fileNames.size(); ++i) {
        int slot = 0;
        AppendPage(state, fileNames.at(i), &slot);
        TSitePage& page = state.Pages[slot];
        page = TSitePage{};
        page.FileName = fileNames.at(i);
        page.Label_ = labels.at(i);
        page.ShowInMenu = true;
        page.IsHomePage = i == 0;
        QFile::copy(index, folders_.WorkDir() + fileNames.at(i) + QStringLiteral(".html"));
    }
}
