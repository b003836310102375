#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <csignal>
#include <cstdio>

#include "command_line.h"
#include "core/doc.h"
#include "headless_runner.h"
#include "inkvane_app.h"
#include "main_frame.h"
#include "platform/qt_warning_mute.h"

int main(int argc, char** argv) {
    // A file-size limit reached while saving is a failed write to report, not the end of the
    // program (which would leave the temporary file behind).
    std::signal(SIGXFSZ, SIG_IGN);
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    const CommandLine line = CommandLine::Parse(arguments);
    if (!line.error.isEmpty()) {
        std::fprintf(stderr, "InkvaneU: %s\n%s", qPrintable(line.error),
                     qPrintable(CommandLine::Usage()));
        return 2;
    }
    if (line.showVersion) {
        std::printf("%s\n", qPrintable(CommandLine::VersionLine()));
        return 0;
    }
    if (line.showHelp) {
        std::printf("%s", qPrintable(CommandLine::Usage()));
        return 0;
    }

    if (line.IsHeadless()) {
        // No window: the offscreen platform serves fonts and painting.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        // The answer is the summary, the file, or one line of error: Qt's own diagnostics (a
        // missing runtime folder, a font substitution) stay off the terminal.
        const QtWarningMute mute;
        QGuiApplication headless(argc, argv);
        // The summary goes to standard output as it is written.
        QFile output;
        output.open(stdout, QIODevice::WriteOnly);
        QString error;
        std::unique_ptr<CQarnDoc> opened;
        const int status = CHeadlessRunner::Run(line, &output, &error, &opened);
        output.close();
        if (status != 0) {
            std::fprintf(stderr, "InkvaneU: %s\n", qPrintable(error));
        }
        // The process ends here: the system takes the document's memory back at once, where
        // freeing its components one by one would take a tenth of a large export.
        static_cast<void>(opened.release());
        return status;
    }

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        std::fprintf(stderr,
                     "InkvaneU: no display to open a window on; use --info or --export-filename\n");
        return 1;
    }
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Inkvane"));
    QApplication::setOrganizationName(QStringLiteral("Ostrovan"));
    CInkvaneApp app;
    if (!app.InitInstance(line.file)) {
        return 1;
    }
    app.GetMainFrame()->show();
    int status = QApplication::exec();
    app.ExitInstance();
    return status;
}
