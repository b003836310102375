#pragma once
// The JSON summary of a document that `InkvaneU --info` prints: pages with their sizes, layers
// with name and flags, components with class, id, name, frame and style. It is written as it
// is walked, so a large document's summary is never built in memory.

#include <QByteArray>

class CQarnDoc;
class QIODevice;

class CDocumentSummary {
public:
    // Writes the summary to the device; false when a write failed.
    static bool Write(CQarnDoc& doc, QIODevice* device);
    // The summary as bytes.
    static QByteArray ToJson(CQarnDoc& doc);
};
