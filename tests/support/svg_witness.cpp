#include "support/svg_witness.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {

int Run(const QString& program, const QStringList& arguments, QString* output) {
    QProcess process;
    // Only the complaints are kept; a rendering goes nowhere.
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (!process.waitForFinished(60000)) {
        process.kill();
        return -1;
    }
    *output = QString::fromLocal8Bit(process.readAllStandardError());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

}  // namespace

void ExpectSvgWitnessesAccept(const QString& path) {
    QString output;
    const QString xmllint = QStandardPaths::findExecutable(QStringLiteral("xmllint"));
    if (!xmllint.isEmpty()) {
        EXPECT_EQ(Run(xmllint, {QStringLiteral("--noout"), path}, &output), 0)
            << path.toStdString() << ": " << output.toStdString();
    }
    const QString rsvg = QStandardPaths::findExecutable(QStringLiteral("rsvg-convert"));
    if (!rsvg.isEmpty()) {
        EXPECT_EQ(Run(rsvg, {QStringLiteral("--format=png"), path}, &output), 0)
            << path.toStdString() << ": " << output.toStdString();
    }
}

QString RsvgConvertPath() {
    return QStandardPaths::findExecutable(QStringLiteral("rsvg-convert"));
}

QImage RenderWithRsvg(const QString& svgPath) {
    const QString rsvg = RsvgConvertPath();
    const QFileInfo svg(svgPath);
    const QString png = svg.dir().filePath(svg.completeBaseName() + QStringLiteral("-rsvg.png"));
    QString output;
    const int code =
        rsvg.isEmpty()
            ? -1
            : Run(rsvg,
                  {QStringLiteral("--background-color=white"), svgPath, QStringLiteral("-o"), png},
                  &output);
    EXPECT_EQ(code, 0) << svgPath.toStdString() << ": " << output.toStdString();
    return code == 0 ? QImage(png) : QImage();
}
