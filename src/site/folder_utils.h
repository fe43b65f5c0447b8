#pragma once

#include <QString>

// Copies source into target recursively, creating target (one level) when missing. Files the
// target already has are left as they are. Failures of single entries are skipped.
void CopyFolder(const QString& source, const QString& target);

// Deletes the files directly inside folder; sub-folders and their contents stay.
void ClearFolder(const QString& folder);
