#include "support/olefile_witness.h"

#include <QProcess>
#include <QStringList>

QString OlefilePython() {
    for (const QString& candidate :
         {QStringLiteral("/usr/bin/python3"), QStringLiteral("python3")}) {
        QProcess p;
        p.start(candidate, {QStringLiteral("-c"), QStringLiteral("import olefile")});
        if (p.waitForFinished(20000) && p.exitStatus() == QProcess::NormalExit &&
            p.exitCode() == 0) {
            return candidate;
        }
    }
    return QString();
}
