#pragma once
// The JSON summary of a document that `InkvaneU --info` prints: pages with their sizes, layers
// with name and flags, components with class, id, name, frame and style.

#include <QByteArray>

class CQarnDoc;

class CDocumentSummary {
public:
    static QByteArray ToJson(CQarnDoc& doc);
};
