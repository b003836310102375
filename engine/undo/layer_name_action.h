#pragma once
// Renaming a layer (8069).

#include <QString>

#include "undo/action.h"

class CQarnLayer;

class CLayerNameAction : public CQarnAction {
    QARN_DECLARE_DYNAMIC(CLayerNameAction)

public:
    CLayerNameAction(CActionSite site, unsigned int id, CQarnLayer* layer, const QString& name);

protected:
    void OnDo() override;
    void OnUndo() override { Exchange(); }
    void OnRedo() override { Exchange(); }

private:
    void Exchange();

    CQarnLayer* m_pLayer;
    QString m_strName;
};
