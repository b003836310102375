#pragma once
// Turns a document's changes into the registered messages the programs handle: a component
// added or removed (sent while it is alive), a property change and a page change (posted, so
// they carry numbers only: a posted message may arrive after the component is gone), and a
// change of the pages or layers (relayed to every top-level window).

#include "core/doc_listener.h"

class CQarnDocMessageAdapter : public CQarnDocListener {
public:
    void OnComponentAdded(CQarnComponent* component) override;
    void OnComponentRemoved(CQarnComponent* component) override;
    void OnComponentPropertyChanged(CQarnComponent* component, UINT code) override;
    void OnPageChanged(CQarnCanvas* page, Qarn::PageChange change) override;
};
