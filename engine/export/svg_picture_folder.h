#pragma once
// Where an SVG export finds the pictures of texture fills. With "Save SVG pictures locally"
// on, each picture is copied once per export into the folder of the SVG file and referred to
// by its file name there, so the file and its pictures travel together; otherwise, or when
// the copy cannot be made, the picture is referred to where it lies.

#include <QHash>
#include <QString>

class CSvgPictureFolder {
public:
    // `folder` ends with a separator; empty when there is no output folder (the clipboard).
    CSvgPictureFolder(const QString& folder, bool saveLocally);

    // The href (a URI reference, not yet escaped for markup) of the picture at `path`.
    QString Reference(const QString& path);

private:
    // The file name in the output folder that holds the picture's bytes: the picture itself
    // when it lies there already, a copy otherwise (under a fresh name when another file has
    // that name); empty when no copy can be made.
    QString CopyIntoFolder(const QString& path) const;

    QString folder_;
    bool saveLocally_;
    QHash<QString, QString> references_;
};
