#pragma once
// What the drawing application was asked to do on its command line.

#include <QString>
#include <QStringList>

struct CommandLine {
    bool showVersion = false;
    bool showHelp = false;
    bool info = false;   // print the JSON summary of the document
    QString exportFile;  // write the document to this file and exit
    int page = 1;        // 1-based page to export
    int dpi = 96;        // resolution of raster exports
    QString file;        // the document to open, empty for a new one
    QString error;       // set when the arguments cannot be understood

    // Works without a window: a summary or an export was asked for.
    bool IsHeadless() const { return info || !exportFile.isEmpty(); }

    static CommandLine Parse(const QStringList& arguments);
    static QString Usage();
    static QString VersionLine();
};
