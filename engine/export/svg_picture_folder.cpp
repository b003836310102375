#include "export/svg_picture_folder.h"

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QUrl>

#include "platform/image_file.h"
#include "platform/regular_file.h"
#include "platform/safe_save_file.h"

namespace {

// Copies beside the file are named "name.ext", "name-2.ext", ... up to this number.
constexpr int kMaxCopyNames = 1000;

// Whether the file at `path` is a regular file holding exactly these bytes.
bool Holds(const QString& path, const QByteArray& bytes) {
    QByteArray existing;
    return RegularFile::Read(path, qint64(bytes.size()), &existing, nullptr) && existing == bytes;
}

}  // namespace

CSvgPictureFolder::CSvgPictureFolder(const QString& folder, bool saveLocally)
    : folder_(folder), saveLocally_(saveLocally) {}

QSize CSvgPictureFolder::Size(const QString& path) {
    return Find(path).size;
}

QString CSvgPictureFolder::Reference(const QString& path) {
    return Find(path).reference;
}

const CSvgPictureFolder::Picture& CSvgPictureFolder::Find(const QString& path) {
    const auto known = pictures_.constFind(path);
    if (known != pictures_.constEnd()) {
        return known.value();
    }
    Picture picture;
    QImage image;
    QByteArray bytes;
    if (!path.isEmpty() && ImageFile::Load(path, &image, nullptr, &bytes)) {
        picture.size = image.size();
        if (saveLocally_ && !folder_.isEmpty()) {
            const QString local = CopyIntoFolder(path, bytes);
            if (!local.isEmpty()) {
                picture.reference = QString::fromLatin1(QUrl::toPercentEncoding(local));
            }
        }
        if (picture.reference.isEmpty()) {
            picture.reference = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath())
                                    .toString(QUrl::FullyEncoded);
        }
    }
    return pictures_.insert(path, picture).value();
}

QString CSvgPictureFolder::CopyIntoFolder(const QString& path, const QByteArray& bytes) const {
    const QFileInfo source(path);
    const QDir folder(folder_);
    if (source.absoluteDir().canonicalPath() == folder.canonicalPath()) {
        return source.fileName();
    }
    // An existing file is never replaced: a file of the same name that holds other bytes
    // (or is no regular file at all) sends the copy to "name-2.ext", "name-3.ext" and so on.
    const QString base = source.completeBaseName();
    const QString suffix =
        source.suffix().isEmpty() ? QString() : QLatin1Char('.') + source.suffix();
    for (int n = 1; n < kMaxCopyNames; ++n) {
        QString name =
            n == 1 ? source.fileName() : QStringLiteral("%1-%2%3").arg(base).arg(n).arg(suffix);
        const QString target = folder.filePath(name);
        if (QFileInfo::exists(target) || QFileInfo(target).isSymLink()) {
            if (Holds(target, bytes)) {
                return name;
            }
            continue;
        }
        SafeSaveFile copy(target);
        copy.SetReplaceExisting(false);
        if (!copy.open(QIODevice::WriteOnly)) {
            return QString();
        }
        copy.write(bytes);
        if (copy.Commit()) {
            return name;
        }
        if (QFileInfo::exists(target)) {
            continue;  // made by someone else in the meantime
        }
        return QString();
    }
    return QString();
}
