#pragma once
// The command line's work without a window: the summary of a document or its export.

#include <QString>

struct CommandLine;
class QIODevice;

class CHeadlessRunner {
public:
    // 0 on success; otherwise non-zero with *error holding the one line to report. What the
    // command prints (the summary) is written to `output` as it is made.
    static int Run(const CommandLine& line, QIODevice* output, QString* error);
    // The same, with what it prints collected in *output.
    static int Run(const CommandLine& line, QString* output, QString* error);
};
