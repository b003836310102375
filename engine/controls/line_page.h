#pragma once
// The "Line" page: whether the outline is drawn, its width, dashes, caps, joins, miter limit,
// compound style, alignment and paint (a colour or a gradient or pattern), with a preview.

#include "controls/property_page.h"

class CQarnCompoundLineWell;
class CQarnLineStyleWell;
class CQarnLineWidthWell;
class CQarnNumberEdit;
class CQarnPaintEditor;
class CQarnPaintPreview;
class QCheckBox;
class QComboBox;

class CQarnLinePage : public CQarnPropertyPage {
    Q_OBJECT

public:
    explicit CQarnLinePage(QWidget* parent = nullptr);

    QString GetTitle() const override { return tr("&Line"); }
    void Load(const CQarnAppearance& appearance) override;
    void Store(CQarnAppearance& appearance) const override;
    QList<CQarnNumberEdit*> GetCheckedFields() const override;
    QString CheckValues(QWidget** field) const override;

    QCheckBox* GetDrawLineBox() const { return m_pDrawLine; }
    CQarnNumberEdit* GetWidthEdit() const { return m_pWidth; }
    CQarnLineWidthWell* GetWidthWell() const { return m_pWidthWell; }
    CQarnLineStyleWell* GetDashWell() const { return m_pDash; }
    QComboBox* GetDashCapBox() const { return m_pDashCap; }
    QComboBox* GetLineCapBox() const { return m_pLineCap; }
    QComboBox* GetJoinBox() const { return m_pJoin; }
    CQarnNumberEdit* GetMiterEdit() const { return m_pMiter; }
    CQarnCompoundLineWell* GetCompoundWell() const { return m_pCompound; }
    QComboBox* GetAlignmentBox() const { return m_pAlignment; }
    CQarnPaintEditor* GetPaintEditor() const { return m_pPaint; }
    CQarnPaintPreview* GetPreview() const { return m_pPreview; }

private:
    void UpdatePreview();
    void EnableFields();

    bool m_bHasPen = false;
    QCheckBox* m_pDrawLine = nullptr;
    CQarnNumberEdit* m_pWidth = nullptr;
    CQarnLineWidthWell* m_pWidthWell = nullptr;
    CQarnLineStyleWell* m_pDash = nullptr;
    QComboBox* m_pDashCap = nullptr;
    QComboBox* m_pLineCap = nullptr;
    QComboBox* m_pJoin = nullptr;
    CQarnNumberEdit* m_pMiter = nullptr;
    CQarnCompoundLineWell* m_pCompound = nullptr;
    QComboBox* m_pAlignment = nullptr;
    CQarnPaintEditor* m_pPaint = nullptr;
    CQarnPaintPreview* m_pPreview = nullptr;
    QWidget* m_pFields = nullptr;
};
