#pragma once
// The command line's work without a window: the summary of a document or its export.

#include <QString>
#include <memory>

struct CommandLine;
class CQarnDoc;
class QIODevice;

class CHeadlessRunner {
public:
    // 0 on success; otherwise non-zero with *error holding the one line to report. What the
    // command prints (the summary) is written to `output` as it is made.
    static int Run(const CommandLine& line, QIODevice* output, QString* error);
    // The same, with the document it opened handed to *opened instead of closed: a process
    // that ends next leaves its memory to the system rather than take a large document
    // apart component by component.
    static int Run(const CommandLine& line, QIODevice* output, QString* error,
                   std::unique_ptr<CQarnDoc>* opened);
    // The same, with what it prints collected in *output.
    static int Run(const CommandLine& line, QString* output, QString* error);
};
