#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

// Saves the pictures into the data folder and remembers what could not be written.
class PictureWriter {
public:
    explicit PictureWriter(QString folder) : folder_(std::move(folder)) {}

    void save(const QString& name, const QImage& image);
    QString path(const QString& name) const { return folder_ + QLatin1Char('/') + name; }
    void failed(const QString& name) { failures_ << name; }
    const QStringList& failures() const { return failures_; }

private:
    QString folder_;
    QStringList failures_;
};

// The groups of pictures, one file each.
void WriteButtonSets(PictureWriter& out);
void WriteWindowPictures(PictureWriter& out);
void WritePageListPictures(PictureWriter& out);
void WriteRegionOverlayPictures(PictureWriter& out);
void WriteAnimations(PictureWriter& out);
