#include "command_line.h"

namespace {

// The value of "--name=value", or a null string when the argument is not that option.
QString OptionValue(const QString& arg, const char* name) {
    const QString prefix = QStringLiteral("--%1=").arg(QLatin1String(name));
    return arg.startsWith(prefix) ? arg.mid(prefix.size()) : QString();
}

bool PositiveNumber(const QString& text, int* value) {
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok || n < 1) {
        return false;
    }
    *value = n;
    return true;
}

}  // namespace

CommandLine CommandLine::Parse(const QStringList& arguments) {
    CommandLine line;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        QString value;
        if (arg == QLatin1String("--version")) {
            line.showVersion = true;
        } else if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            line.showHelp = true;
        } else if (arg == QLatin1String("--info")) {
            line.info = true;
        } else if (!(value = OptionValue(arg, "export-filename")).isNull()) {
            if (value.isEmpty()) {
                line.error = QStringLiteral("--export-filename needs a file name");
                return line;
            }
            line.exportFile = value;
        } else if (!(value = OptionValue(arg, "page")).isNull()) {
            if (!PositiveNumber(value, &line.page)) {
                line.error =
                    QStringLiteral("--page needs a page number from 1 (got %1)").arg(value);
                return line;
            }
        } else if (!(value = OptionValue(arg, "dpi")).isNull()) {
            if (!PositiveNumber(value, &line.dpi) || line.dpi > 2400) {
                line.error =
                    QStringLiteral("--dpi needs a resolution from 1 to 2400 (got %1)").arg(value);
                return line;
            }
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
    if (line.IsHeadless() && line.file.isEmpty()) {
        line.error =
            QStringLiteral("%1 needs a document to read")
                .arg(line.info ? QStringLiteral("--info") : QStringLiteral("--export-filename"));
    }
    return line;
}

QString CommandLine::Usage() {
    return QStringLiteral(
        "usage: InkvaneU [FILE.met]\n"
        "       InkvaneU --info FILE.met\n"
        "       InkvaneU --export-filename=OUT.met [--page=N] [--dpi=N] FILE.met\n"
        "  FILE.met              the document to open (a new document when none is given)\n"
        "  --info                print a JSON summary of the document and exit\n"
        "  --export-filename=F   write the document to F and exit (by its extension)\n"
        "  --page=N              the page to export, from 1 (default 1)\n"
        "  --dpi=N               resolution of raster exports (default 96)\n"
        "  --version             print the version and exit\n");
}

QString CommandLine::VersionLine() {
    return QStringLiteral("InkvaneU %1 (qarn10U %1)").arg(QStringLiteral(QARN_VERSION));
}
