#pragma once
// Where an SVG export finds the pictures of texture fills. A picture counts only when its name
// names a regular file that decodes as an image (its name and extension prove nothing); any
// other name gets no picture at all. With "Save SVG pictures locally" on, each picture is
// copied once per export into the folder of the SVG file and referred to by its file name
// there, so the file and its pictures travel together; otherwise, or when the copy cannot be
// made, the picture is referred to where it lies.

#include <QHash>
#include <QSize>
#include <QString>

class QByteArray;

class CSvgPictureFolder {
public:
    // `folder` ends with a separator; empty when there is no output folder (the clipboard).
    CSvgPictureFolder(const QString& folder, bool saveLocally);

    // The picture's size in pixels; not valid when `path` is not an image file.
    QSize Size(const QString& path);
    // The href (a URI reference, not yet escaped for markup) of the picture at `path`; empty
    // when it is not an image file.
    QString Reference(const QString& path);

private:
    struct Picture {
        QSize size;
        QString reference;
    };

    // Reads, decodes and places the picture the first time it is asked for.
    const Picture& Find(const QString& path);
    // The file name in the output folder that holds the picture's bytes: the picture itself
    // when it lies there already, a copy otherwise (under a fresh name when another file has
    // that name); empty when no copy can be made.
    QString CopyIntoFolder(const QString& path, const QByteArray& bytes) const;

    QString folder_;
    bool saveLocally_;
    QHash<QString, Picture> pictures_;
};
