// The outside program that makes PostScript: found on the search path, pdftops before
// ghostscript; a missing, failing or hanging program is a clear failure, never a file.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "export/postscript_converter.h"

namespace {

class PostScriptConverterTest : public ::testing::Test {
protected:
    void SetUp() override { saved = CPostScriptConverter::GetSearchPaths(); }
    void TearDown() override { CPostScriptConverter::SetSearchPaths(saved); }

    // A program of that name in the test's folder, running the shell text.
    void MakeProgram(const QString& name, const QByteArray& body) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\n" + body + "\n");
        file.close();
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                            QFileDevice::ExeOwner);
        CPostScriptConverter::SetSearchPaths({dir.path()});
    }

    QStringList saved;
    QTemporaryDir dir;
};

}  // namespace

TEST_F(PostScriptConverterTest, WithNeitherProgramNothingIsWritten) {
    CPostScriptConverter::SetSearchPaths({dir.path()});
    CPostScriptConverter converter;
    EXPECT_FALSE(converter.IsAvailable());
    const QString out = dir.filePath(QStringLiteral("out.ps"));
    QString error;
    EXPECT_FALSE(converter.Convert(dir.filePath(QStringLiteral("in.pdf")), out, &error));
    EXPECT_EQ(error, CPostScriptConverter::MissingMessage());
    EXPECT_FALSE(QFileInfo::exists(out));
}

TEST_F(PostScriptConverterTest, PdftopsComesBeforeGhostscriptAndGetsItsArgumentsAsTheyAre) {
    // Each argument on a line of its own: a shell would have split the name with spaces.
    MakeProgram(QStringLiteral("gs"), "exit 7");
    MakeProgram(QStringLiteral("pdftops"), "for a in \"$@\"; do echo \"$a\"; done > \"$4\"");
    CPostScriptConverter converter;
    EXPECT_EQ(QFileInfo(converter.GetProgram()).fileName(), QStringLiteral("pdftops"));
    const QString in = dir.filePath(QStringLiteral("my drawing; rm -rf x.pdf"));
    const QString out = dir.filePath(QStringLiteral("out file.ps"));
    QString error;
    ASSERT_TRUE(converter.Convert(in, out, &error)) << error.toStdString();
    QFile written(out);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(written.readAll()).split(QLatin1Char('\n'));
    EXPECT_TRUE(lines.contains(in));
    EXPECT_TRUE(lines.contains(out));
}

TEST_F(PostScriptConverterTest, GhostscriptWritesThroughPs2write) {
    MakeProgram(QStringLiteral("gs"),
                "for a in \"$@\"; do case \"$a\" in -sOutputFile=*) o=\"${a#-sOutputFile=}\";; "
                "esac; done; echo \"$@\" > \"$o\"");
    CPostScriptConverter converter;
    EXPECT_EQ(QFileInfo(converter.GetProgram()).fileName(), QStringLiteral("gs"));
    const QString out = dir.filePath(QStringLiteral("out.ps"));
    QString error;
    ASSERT_TRUE(converter.Convert(dir.filePath(QStringLiteral("in.pdf")), out, &error))
        << error.toStdString();
    QFile written(out);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray args = written.readAll();
    EXPECT_TRUE(args.contains("-sDEVICE=ps2write"));
    EXPECT_TRUE(args.contains("-dSAFER"));
}

TEST_F(PostScriptConverterTest, AFailingProgramIsReportedWithItsReason) {
    MakeProgram(QStringLiteral("pdftops"), "echo 'Syntax Error: broken file' >&2; exit 3");
    CPostScriptConverter converter;
    QString error;
    EXPECT_FALSE(converter.Convert(dir.filePath(QStringLiteral("in.pdf")),
                                   dir.filePath(QStringLiteral("out.ps")), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("exit code 3"))) << error.toStdString();
    EXPECT_TRUE(error.contains(QStringLiteral("broken file"))) << error.toStdString();
}

TEST_F(PostScriptConverterTest, AProgramThatWritesNothingFails) {
    MakeProgram(QStringLiteral("pdftops"), "exit 0");
    CPostScriptConverter converter;
    QString error;
    EXPECT_FALSE(converter.Convert(dir.filePath(QStringLiteral("in.pdf")),
                                   dir.filePath(QStringLiteral("out.ps")), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("wrote no PostScript"))) << error.toStdString();
}

TEST_F(PostScriptConverterTest, AProgramThatHangsIsStoppedAtTheTimeLimit) {
    MakeProgram(QStringLiteral("pdftops"), "exec sleep 30");
    CPostScriptConverter converter;
    converter.SetTimeLimit(300);
    QElapsedTimer clock;
    clock.start();
    QString error;
    EXPECT_FALSE(converter.Convert(dir.filePath(QStringLiteral("in.pdf")),
                                   dir.filePath(QStringLiteral("out.ps")), &error));
    EXPECT_LT(clock.elapsed(), 10000);
    EXPECT_TRUE(error.contains(QStringLiteral("did not finish"))) << error.toStdString();
}
