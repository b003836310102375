#pragma once
// The "Arrows" page: the head and its size at either end of a line, with a sample line.

#include "controls/property_page.h"

class CQarnArrowWell;
class CQarnNumberEdit;
class CQarnArrowSample;

class CQarnArrowPage : public CQarnPropertyPage {
    Q_OBJECT

public:
    explicit CQarnArrowPage(QWidget* parent = nullptr);

    QString GetTitle() const override { return tr("&Arrows"); }
    void Load(const CQarnAppearance& appearance) override;
    void Store(CQarnAppearance& appearance) const override;
    QList<CQarnNumberEdit*> GetCheckedFields() const override;

    CQarnArrowWell* GetStartWell() const { return m_pStart; }
    CQarnArrowWell* GetEndWell() const { return m_pEnd; }
    CQarnNumberEdit* GetStartSizeEdit() const { return m_pStartSize; }
    CQarnNumberEdit* GetEndSizeEdit() const { return m_pEndSize; }

private:
    void UpdateSample();

    CQarnArrowWell* m_pStart = nullptr;
    CQarnArrowWell* m_pEnd = nullptr;
    CQarnNumberEdit* m_pStartSize = nullptr;
    CQarnNumberEdit* m_pEndSize = nullptr;
    CQarnArrowSample* m_pSample = nullptr;
};
