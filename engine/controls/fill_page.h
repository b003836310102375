#pragma once
// The "Fill" page: whether the shape is filled, the fill's paint with a live preview, filling
// with the line's paint, the fill rule, and the opacity of fill and line together.

#include "controls/property_page.h"

class CQarnNumberEdit;
class CQarnPaintEditor;
class CQarnPaintPreview;
class QCheckBox;

class CQarnFillPage : public CQarnPropertyPage {
    Q_OBJECT

public:
    explicit CQarnFillPage(QWidget* parent = nullptr);

    QString GetTitle() const override { return tr("&Fill"); }
    void Load(const CQarnAppearance& appearance) override;
    void Store(CQarnAppearance& appearance) const override;
    QList<CQarnNumberEdit*> GetCheckedFields() const override;
    QString CheckValues(QWidget** field) const override;

    QCheckBox* GetFillBox() const { return m_pFill; }
    CQarnPaintEditor* GetPaintEditor() const { return m_pPaint; }
    CQarnPaintPreview* GetPreview() const { return m_pPreview; }
    QCheckBox* GetFillWithPenBox() const { return m_pFillWithPen; }
    QCheckBox* GetWindingBox() const { return m_pWinding; }
    CQarnNumberEdit* GetOpacityEdit() const { return m_pOpacity; }

private:
    void UpdatePreview();
    void EnableFields();

    bool m_bHasBrush = false;
    int m_nLoadedOpacity = 100;
    QCheckBox* m_pFill = nullptr;
    QWidget* m_pFields = nullptr;
    CQarnPaintEditor* m_pPaint = nullptr;
    CQarnPaintPreview* m_pPreview = nullptr;
    QCheckBox* m_pFillWithPen = nullptr;
    QCheckBox* m_pWinding = nullptr;
    CQarnNumberEdit* m_pOpacity = nullptr;
};
