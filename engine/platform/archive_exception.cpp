#include "platform/archive_exception.h"

CArchiveException::CArchiveException(const QString& cause, qint64 offset)
    : cause_(cause), offset_(offset), what_(Message().toStdString()) {}

QString CArchiveException::Message() const {
    return QStringLiteral("%1 at byte %2").arg(cause_).arg(offset_);
}
