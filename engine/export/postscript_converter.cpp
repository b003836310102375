#include "export/postscript_converter.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {

QStringList& SearchPaths() {
    static QStringList paths;
    return paths;
}

QString FindProgram(const QString& name) {
    return SearchPaths().isEmpty() ? QStandardPaths::findExecutable(name)
                                   : QStandardPaths::findExecutable(name, SearchPaths());
}

// The first line the program wrote on its error output, for the message.
QString FirstLine(const QByteArray& output) {
    const QString text = QString::fromLocal8Bit(output).trimmed();
    return text.section(QLatin1Char('\n'), 0, 0).trimmed();
}

}  // namespace

CPostScriptConverter::CPostScriptConverter() {
    m_strProgram = FindProgram(QStringLiteral("pdftops"));
    if (m_strProgram.isEmpty()) {
        m_strProgram = FindProgram(QStringLiteral("gs"));
        m_bGhostscript = !m_strProgram.isEmpty();
    }
}

void CPostScriptConverter::SetSearchPaths(const QStringList& paths) {
    SearchPaths() = paths;
}

QStringList CPostScriptConverter::GetSearchPaths() {
    return SearchPaths();
}

QString CPostScriptConverter::MissingMessage() {
    return QStringLiteral(
        "PostScript cannot be written: it needs pdftops (poppler-utils) or Ghostscript (gs), "
        "and neither is installed.");
}

QStringList CPostScriptConverter::ArgumentsFor(const QString& pdf, const QString& postScript,
                                               bool encapsulated) const {
    if (m_bGhostscript) {
        // Pages keep their size and their orientation.
        return {QStringLiteral("-q"),
                QStringLiteral("-dNOPAUSE"),
                QStringLiteral("-dBATCH"),
                QStringLiteral("-dSAFER"),
                QStringLiteral("-sDEVICE=ps2write"),
                QStringLiteral("-dAutoRotatePages=/None"),
                QStringLiteral("-sOutputFile=") + postScript,
                QStringLiteral("--"),
                pdf};
    }
    if (encapsulated) {
        return {QStringLiteral("-eps"), QStringLiteral("-q"), pdf, postScript};
    }
    // Each page keeps its own size instead of being placed on a standard paper.
    return {QStringLiteral("-origpagesizes"), QStringLiteral("-q"), pdf, postScript};
}

bool CPostScriptConverter::Convert(const QString& pdf, const QString& postScript, QString* error,
                                   bool encapsulated) const {
    if (!IsAvailable()) {
        *error = MissingMessage();
        return false;
    }
    const QString name = QFileInfo(m_strProgram).fileName();
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(m_strProgram, ArgumentsFor(pdf, postScript, encapsulated));
    if (!process.waitForStarted()) {
        *error = QStringLiteral("%1 could not be started: %2").arg(name, process.errorString());
        return false;
    }
    if (!process.waitForFinished(m_nTimeLimit)) {
        process.kill();
        process.waitForFinished();
        *error = QStringLiteral("%1 did not finish within %2 seconds")
                     .arg(name)
                     .arg(m_nTimeLimit / 1000.0);
        return false;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        const QString reason = FirstLine(process.readAllStandardError());
        *error = QStringLiteral("%1 failed (exit code %2)%3")
                     .arg(name)
                     .arg(process.exitCode())
                     .arg(reason.isEmpty() ? QString() : QStringLiteral(": ") + reason);
        return false;
    }
    if (QFileInfo(postScript).size() <= 0) {
        *error = QStringLiteral("%1 wrote no PostScript").arg(name);
        return false;
    }
    return true;
}
