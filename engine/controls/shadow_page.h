#pragma once
// The "Shadow" page (also the body of the "Shadow Effect" dialog): whether the component casts
// a shadow, its placement (the sixteen drawn), its offsets and its colour.

#include "controls/property_page.h"
#include "platform/win_types.h"

class CQarnColorWell;
class CQarnNumberEdit;
class CQarnWellGrid;
class QCheckBox;
class QLabel;

class CQarnShadowPage : public CQarnPropertyPage {
    Q_OBJECT

public:
    explicit CQarnShadowPage(QWidget* parent = nullptr);

    QString GetTitle() const override { return tr("S&hadow"); }
    void Load(const CQarnAppearance& appearance) override;
    void Store(CQarnAppearance& appearance) const override;
    QList<CQarnNumberEdit*> GetCheckedFields() const override;

    QCheckBox* GetShowBox() const { return m_pShow; }
    CQarnWellGrid* GetPlacementPicker() const { return m_pPlacement; }
    CQarnNumberEdit* GetXOffsetEdit() const { return m_pXOffset; }
    CQarnNumberEdit* GetYOffsetEdit() const { return m_pYOffset; }
    CQarnColorWell* GetColorWell() const { return m_pColor; }

private:
    void EnableFields();
    void ExplainOffsets();

    bool m_bHadShadow = false;
    DWORD m_dwLoadedStyle = 0;
    QCheckBox* m_pShow = nullptr;
    QWidget* m_pFields = nullptr;
    CQarnWellGrid* m_pPlacement = nullptr;
    CQarnNumberEdit* m_pXOffset = nullptr;
    CQarnNumberEdit* m_pYOffset = nullptr;
    QLabel* m_pOffsetNote = nullptr;
    CQarnColorWell* m_pColor = nullptr;
};
