#pragma once
// The role of a view of a document: it is told about changes through OnUpdate and owns the
// window that registered messages are addressed to. Concrete views are widgets that also
// derive from this class; the document only knows this interface.

#include "platform/win_types.h"

class CDocument;
class CObject;
class QObject;

class CView {
public:
    virtual ~CView();

    CDocument* GetDocument() const { return m_pDocument; }
    // The window that messages for this view go to.
    virtual QObject* GetMessageTarget() = 0;
    // A change of the document; hint and hint object say what changed.
    virtual void OnUpdate(CView* sender, LPARAM hint, CObject* hintObject) = 0;

private:
    friend class CDocument;
    CDocument* m_pDocument = nullptr;
};
