#include "core/system_helpers.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImageWriter>
#include <QProcess>
#include <QStandardPaths>
#include <cmath>

namespace Qarn {

QString GetBinDirectory() {
    QString dir;
    if (QCoreApplication::instance() != nullptr) {
        dir = QCoreApplication::applicationDirPath();
    } else {
        dir = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
        dir = QFileInfo(dir).absolutePath();
    }
    if (!dir.endsWith(QLatin1Char('/'))) {
        dir += QLatin1Char('/');
    }
    return dir;
}

void GetFilesByType(QStringList& out, const QString& pattern) {
    out.clear();
    QFileInfo info(QDir::fromNativeSeparators(pattern));
    QDir folder = info.dir();
    const QStringList names =
        folder.entryList(QStringList{info.fileName()}, QDir::Files | QDir::Hidden, QDir::Unsorted);
    for (const QString& name : names) {
        out.append(folder.absoluteFilePath(name));
    }
}

void DoEvent() {
    if (QCoreApplication::instance() == nullptr) {
        return;
    }
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void DelayMS(double ms) {
    // The wait is counted in the timer's whole ticks (nanoseconds here), like a performance
    // counter: target = frequency * ms * 0.001, truncated.
    constexpr double kTicksPerSecond = 1e9;
    const auto target = static_cast<qint64>(std::trunc(kTicksPerSecond * ms * 0.001));
    QElapsedTimer timer;
    timer.start();
    while (timer.nsecsElapsed() < target) {
        DoEvent();
    }
}

int GetEncoderClsid(const QString& mimeType, QByteArray* format) {
    const QList<QByteArray> mimeTypes = QImageWriter::supportedMimeTypes();
    if (mimeTypes.isEmpty()) {
        return -1;
    }
    const QByteArray wanted = mimeType.toLatin1().toLower();
    for (int i = 0; i < mimeTypes.size(); ++i) {
        if (mimeTypes[i].toLower() != wanted) {
            continue;
        }
        const QList<QByteArray> formats = QImageWriter::imageFormatsForMimeType(mimeTypes[i]);
        if (format != nullptr) {
            *format = formats.isEmpty() ? QByteArray() : formats.first();
        }
        return i;
    }
    return -1;
}

int Dot(const QString& in, const QString& out) {
    const QString program = QStandardPaths::findExecutable(QStringLiteral("dot"));
    if (program.isEmpty()) {
        return 0;
    }
    QProcess process;
    process.setProgram(program);
    process.setArguments({in});
    process.setStandardOutputFile(out);
    return process.startDetached() ? 1 : 0;
}

}  // namespace Qarn
