#include "command_line.h"

CommandLine CommandLine::Parse(const QStringList& arguments) {
    CommandLine line;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (arg == QLatin1String("--version")) {
            line.showVersion = true;
        } else if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            line.showHelp = true;
        } else if (arg.startsWith(QLatin1String("--"))) {
            line.error = QStringLiteral("unknown option %1").arg(arg);
            return line;
        } else if (line.file.isEmpty()) {
            line.file = arg;
        } else {
            line.error = QStringLiteral("more than one document given (%1)").arg(arg);
            return line;
        }
    }
    return line;
}

QString CommandLine::Usage() {
    return QStringLiteral(
        "usage: InkvaneU [--version] [--help] [FILE.met]\n"
        "  FILE.met     the document to open (a new document when none is given)\n"
        "  --version    print the version and exit\n");
}

QString CommandLine::VersionLine() {
    return QStringLiteral("InkvaneU %1 (qarn10U %1)").arg(QStringLiteral(QARN_VERSION));
}
