#pragma once
// Pasting components from the library's own clipboard format ("paste", 8052). The copies are
// shifted by (n x shift X, n x shift Y) of the configuration, n being one more than the view's
// paste count, so that each paste after a copy lands one shift further; they are appended to
// the current layer, numbered and named afresh, and those not inside a group become the
// selection. While undone, the action owns them. Data that is not in the format (an embedded
// object, which this build cannot hold) or is damaged pastes nothing and is not recorded.

#include <QByteArray>
#include <QString>
#include <memory>
#include <vector>

#include "core/layer_places.h"
#include "undo/action.h"

class CPasteAction : public CQarnAction {
    QARN_DECLARE_DYNAMIC(CPasteAction)

public:
    // `data` is what the clipboard holds in the native format (empty when it holds none).
    CPasteAction(CActionSite site, unsigned int id, const QByteArray& data);
    ~CPasteAction() override;

    const ComponentList& GetComponents() const { return m_Components; }
    // Why nothing was pasted, empty after a paste.
    const QString& GetError() const { return m_strError; }

protected:
    void OnDo() override;
    void OnUndo() override;
    void OnRedo() override;

private:
    void ShiftCopies(int times);
    void SelectPasted() const;
    void AddToPasteCount(int step) const;

    QByteArray m_Data;
    int m_nShiftX;
    int m_nShiftY;
    QString m_strError;
    ComponentList m_Components;
    std::vector<Qarn::LayerPlace> m_Places;
    std::vector<std::unique_ptr<CQarnComponent>> m_Owned;
    UINT m_nNextIdBefore = 0;
    UINT m_nNextIdAfter = 0;
};
