#pragma once
// The drawing application's document: the library's drawing document, created by class name
// so that a file is read into a fresh one before it replaces the contents.

#include "core/doc.h"

class CMyQarnDoc : public CQarnDoc {
    QARN_DECLARE_SERIAL(CMyQarnDoc)

public:
    CMyQarnDoc() = default;

    // The name the window titles and the save question use: the file name, or the untitled
    // title given when the document was made.
    QString GetDisplayName() const;
};
