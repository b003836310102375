#pragma once
// The command line's work without a window: the summary of a document or its export.

#include <QString>

struct CommandLine;

class CHeadlessRunner {
public:
    // 0 on success; otherwise non-zero with *error holding the one line to report.
    static int Run(const CommandLine& line, QString* output, QString* error);
};
