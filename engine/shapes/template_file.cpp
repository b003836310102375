#include "shapes/template_file.h"

#include <QFile>
#include <QSaveFile>
#include <exception>
#include <memory>
#include <vector>

#include "core/template_registry.h"
#include "platform/archive.h"
#include "platform/archive_exception.h"

namespace {

// The three integers after the header strings; written as 0 and not read.
constexpr int kReservedWords = 3;

void Report(QString* error, const QString& text) {
    if (error != nullptr) {
        *error = text;
    }
}

}  // namespace

namespace Qarn {

bool ReadTemplateFile(const QByteArray& bytes, CQarnTemplateList& list, CQarnTemplateFileInfo* info,
                      QString* error) {
    // The templates read so far belong here until the whole file has been read.
    std::vector<std::unique_ptr<CQarnAutoShapeTempl>> read;
    CQarnTemplateFileInfo header;
    try {
        QByteArray buffer = bytes;
        CArchive ar(CArchive::load, &buffer);
        ar >> header.description >> header.author >> header.email >> header.company >>
            header.webPage;
        for (int i = 0; i < kReservedWords; ++i) {
            std::uint32_t reserved = 0;
            ar >> reserved;
        }
        ar.ReadObjectList(RUNTIME_CLASS(CQarnAutoShapeTempl), CArchive::Sharing::Exclusive,
                          [&read](CObject* object) {
                              read.emplace_back(static_cast<CQarnAutoShapeTempl*>(object));
                          });
        if (!ar.AtEnd()) {
            ar.Fail(QStringLiteral("%1 bytes follow the templates").arg(ar.BytesLeft()));
        }
    } catch (const CArchiveException& e) {
        Report(error, QStringLiteral("the template file is damaged (%1)").arg(e.Message()));
        return false;
    } catch (const std::exception& e) {
        Report(error, QStringLiteral("the template file cannot be read (%1)")
                          .arg(QString::fromLocal8Bit(e.what())));
        return false;
    }
    for (std::unique_ptr<CQarnAutoShapeTempl>& t : read) {
        list.append(t.release());
    }
    if (info != nullptr) {
        *info = header;
    }
    NoteTemplatesChanged();
    return true;
}

QByteArray WriteTemplateFile(const CQarnTemplateList& list, const CQarnTemplateFileInfo& info) {
    QByteArray bytes;
    CArchive ar(CArchive::store, &bytes);
    ar << info.description << info.author << info.email << info.company << info.webPage;
    for (int i = 0; i < kReservedWords; ++i) {
        ar << std::uint32_t(0);
    }
    ar.WriteObjectList(list);
    return bytes;
}

int LoadTemplateListFromFile(const QString& path, CQarnTemplateList& list, QString& title,
                             QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Report(error, QStringLiteral("%1: %2").arg(path, file.errorString()));
        return 0;
    }
    if (file.size() > kMaxTemplateFileSize) {
        Report(error, QStringLiteral("%1: the file is too large for a template file (%2 bytes)")
                          .arg(path)
                          .arg(file.size()));
        return 0;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        Report(error, QStringLiteral("%1: %2").arg(path, file.errorString()));
        return 0;
    }
    CQarnTemplateFileInfo info;
    QString cause;
    if (!ReadTemplateFile(bytes, list, &info, &cause)) {
        Report(error, QStringLiteral("%1: %2").arg(path, cause));
        return 0;
    }
    title = info.description;
    return 1;
}

bool SaveTemplateListToFile(const QString& path, const CQarnTemplateList& list,
                            const CQarnTemplateFileInfo& info, QString* error) {
    QByteArray bytes;
    try {
        bytes = WriteTemplateFile(list, info);
    } catch (const CArchiveException& e) {
        Report(error,
               QStringLiteral("%1: the templates cannot be written (%2)").arg(path, e.Message()));
        return false;
    }
    QSaveFile file(path);
    // Unbuffered, so that a short write shows at once: a buffered one would only fail while
    // committing, which then still puts the cut file in place.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        file.write(bytes) != bytes.size() || !file.commit()) {
        Report(error, QStringLiteral("%1: %2").arg(path, file.errorString()));
        return false;
    }
    return true;
}

}  // namespace Qarn
