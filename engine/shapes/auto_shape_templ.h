#pragma once
// A symbol: a small drawing of ordinary components with a name, a number, a text area and
// anchor points, which auto shapes are instances of. Its rectangle is the template frame.

#include <QList>
#include <QString>

#include "core/component.h"

class CQarnAutoShapeTempl : public CQarnComponent {
    QARN_DECLARE_SERIAL(CQarnAutoShapeTempl)

public:
    CQarnAutoShapeTempl();
    ~CQarnAutoShapeTempl() override;

    UINT GetTemplateID() const { return m_nTemplateID; }
    void SetTemplateID(UINT id) { m_nTemplateID = id; }
    QString GetName() override { return m_strTemplateName; }
    void SetTemplateName(const QString& name) { m_strTemplateName = name; }

    // Ownership of the component passes to the template.
    void AddComponent(CQarnComponent* component);
    const ComponentList& GetComponents() const { return m_Components; }
    void AddAnchorPoint(const PointF& point, BYTE direction);
    // Drag points are accepted and not kept.
    void AddDragPoint(const PointF&) {}
    const QList<PointF>& GetAnchorPoints() const { return m_AnchorPoints; }
    const QList<BYTE>& GetAnchorDirections() const { return m_AnchorDirections; }
    void SetPosition(const RectF& frame) { SetRectF(frame); }
    RectF GetTextPosition() const override { return m_rcText; }
    void SetTextPosition(const RectF& r) { m_rcText = r; }
    bool HasStandardAnchors() const { return m_nStandardAnchors != 0; }
    void SetStandardAnchors(bool on) { m_nStandardAnchors = on ? 1 : 0; }
    int GetDefaultWidth() const { return m_nDefaultWidth; }
    int GetDefaultHeight() const { return m_nDefaultHeight; }
    void SetDefaultSize(int width, int height) {
        m_nDefaultWidth = width;
        m_nDefaultHeight = height;
    }

    // Base copy, reserved value A, name, id, text area, standard anchors, anchors and clones of
    // the components; the default size and the other reserved values stay.
    void Copy(const CQarnAutoShapeTempl* source);
    CQarnComponent* Clone(CQarnLayer* layer) override;

    // The component base record, then the components, id, name, text area, standard
    // anchors, default size, reserved values C, A, E and B, and the anchors.
    void Serialize(CArchive& ar) override;

protected:
    int m_nReservedA = 0;
    UINT m_nTemplateID = 0;
    int m_nReservedB = 0;
    QString m_strTemplateName = QStringLiteral("New AutoShape");
    ComponentList m_Components;
    QList<PointF> m_AnchorPoints;
    QList<BYTE> m_AnchorDirections;
    RectF m_rcText;
    int m_nStandardAnchors = 1;
    int m_nDefaultWidth = 100;
    int m_nDefaultHeight = 100;
    int m_nReservedC = 1;
    int m_nReservedD = 1;
    int m_nReservedE = 0;
    int m_nReservedF = 0;
};

using CQarnTemplateList = QList<CQarnAutoShapeTempl*>;
