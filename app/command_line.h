#pragma once
// What the drawing application was asked to do on its command line.

#include <QString>
#include <QStringList>

struct CommandLine {
    bool showVersion = false;
    bool showHelp = false;
    QString file;   // the document to open, empty for a new one
    QString error;  // set when the arguments cannot be understood

    static CommandLine Parse(const QStringList& arguments);
    static QString Usage();
    static QString VersionLine();
};
