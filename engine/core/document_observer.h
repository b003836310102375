#pragma once
// What a drawing view must do when the document takes a component out: forget it in its
// selection and state. Views implement this; the document finds it on its attached views.

class CQarnComponent;

class CQarnDocumentObserver {
public:
    virtual ~CQarnDocumentObserver() = default;
    virtual void OnComponentRemoved(CQarnComponent* component) = 0;
};
