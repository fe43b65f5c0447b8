#pragma once

#include "site/folders.h"
#include "site/site_state.h"

#include <QByteArray>
#include <QString>

// Sites built directly for a test: page files written into WorkDir, the page table filled.

// Appends page fileName (label = fileName) and writes html as its page file.
TSitePage& AddSitePage(SiteState& state, const Folders& folders, const QString& fileName,
                       const QByteArray& html, bool changed = true);

// Writes a file below WorkDir ("tavo_img1.jpg", "bin/style.css").
void WriteWorkFile(const Folders& folders, const QString& relativePath, const QByteArray& bytes);

QByteArray ReadFileBytes(const QString& path);
