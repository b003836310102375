#include "export/svg_picture_folder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace {

QByteArray ContentHash(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return QByteArray();
    }
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&file);
    return hash.result();
}

bool SameContent(const QString& a, const QString& b) {
    if (QFileInfo(a).size() != QFileInfo(b).size()) {
        return false;
    }
    const QByteArray first = ContentHash(a);
    return !first.isEmpty() && first == ContentHash(b);
}

}  // namespace

CSvgPictureFolder::CSvgPictureFolder(const QString& folder, bool saveLocally)
    : folder_(folder), saveLocally_(saveLocally) {}

QString CSvgPictureFolder::Reference(const QString& path) {
    const auto known = references_.constFind(path);
    if (known != references_.constEnd()) {
        return known.value();
    }
    QString reference;
    if (saveLocally_ && !folder_.isEmpty()) {
        const QString local = CopyIntoFolder(path);
        if (!local.isEmpty()) {
            reference = QString::fromLatin1(QUrl::toPercentEncoding(local));
        }
    }
    if (reference.isEmpty()) {
        reference =
            QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded);
    }
    references_.insert(path, reference);
    return reference;
}

QString CSvgPictureFolder::CopyIntoFolder(const QString& path) const {
    const QFileInfo source(path);
    if (!source.isFile()) {
        return QString();
    }
    const QDir folder(folder_);
    if (source.absoluteDir().canonicalPath() == folder.canonicalPath()) {
        return source.fileName();
    }
    // An existing file is never replaced: a file of the same name that holds other bytes
    // sends the copy to "name-2.ext", "name-3.ext" and so on.
    const QString base = source.completeBaseName();
    const QString suffix =
        source.suffix().isEmpty() ? QString() : QLatin1Char('.') + source.suffix();
    for (int n = 1; n < 1000; ++n) {
        QString name =
            n == 1 ? source.fileName() : QStringLiteral("%1-%2%3").arg(base).arg(n).arg(suffix);
        const QString target = folder.filePath(name);
        if (QFileInfo::exists(target)) {
            if (SameContent(path, target)) {
                return name;
            }
            continue;
        }
        return QFile::copy(path, target) ? name : QString();
    }
    return QString();
}
