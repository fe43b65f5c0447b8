#include "support/site_fixture.h"

#include "site/page_table.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

void WriteWorkFile(const Folders& folders, const QString& relativePath, const QByteArray& bytes) {
    const QString path = folders.WorkDir() + relativePath;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

TSitePage& AddSitePage(SiteState& state, const Folders& folders, const QString& fileName,
                       const QByteArray& html, bool changed) {
    int slot = 0;
    AppendPage(state, fileName, &slot);
    TSitePage& page = state.Pages[slot];
    page = TSitePage{};
    page.FileName = fileName;
    page.Label_ = fileName;
    page.ShowInMenu = true;
    page.IsHomePage = slot == 0;
    page.Changed = changed;
    state.LastPageIndex = slot;
    WriteWorkFile(folders, fileName + QStringLiteral(".html"), html);
    return page;
}

QByteArray ReadFileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
