#pragma once
// "Shadow Effect": the shadow of one component (whether it casts one, placement, offsets,
// colour). The dialog returns the new shadow property; Apply attaches it, and the caller
// records the change as a property action.

#include "controls/appearance.h"
#include "controls/dialog.h"

class CQarnComponent;
class CQarnShadowPage;

class CQarnShadowDialog : public CQarnDialog {
    Q_OBJECT

public:
    CQarnShadowDialog(const CQarnComponent& component, QWidget* parent = nullptr);

    // After OK: the shadow chosen (null when the component has none and none was asked for)
    // and whether it shows.
    const CQarnShadowProperty* GetShadow() const { return m_Appearance.GetShadow(); }
    bool GetDrawShadow() const;
    // Puts the shadow chosen on the component; false when nothing differed.
    bool ApplyTo(CQarnComponent& component) const;

    CQarnShadowPage* GetPage() const { return m_pPage; }

protected:
    bool ValidateMore() override;
    // The pages write their fields into the copy.
    void OnAccepted() override;

private:
    CQarnAppearance m_Appearance;
    CQarnShadowPage* m_pPage = nullptr;
};
