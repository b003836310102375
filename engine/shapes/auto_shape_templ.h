#pragma once
// A symbol: a small drawing of ordinary components with a name, a number, a text area and
// anchor points, which auto shapes are instances of. Its rectangle is the template frame: the
// components are laid out from (0, 0) to the frame's width and height, and an instance maps
// that frame onto its own rectangle.

#include <QList>
#include <QString>
#include <memory>
#include <vector>

#include "core/component.h"
#include "platform/matrix.h"

class CQarnAutoShapeTempl : public CQarnComponent {
    QARN_DECLARE_SERIAL(CQarnAutoShapeTempl)

public:
    CQarnAutoShapeTempl();
    ~CQarnAutoShapeTempl() override;

    UINT GetTemplateID() const { return m_nTemplateID; }
    void SetTemplateID(UINT id);
    // The template's name ("New AutoShape" until it is given one).
    QString GetName() override { return m_strTemplateName; }
    const QString& GetTemplateName() const { return m_strTemplateName; }
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
    // A value the symbol editor's template properties carry along; nothing here reads it.
    int GetReservedC() const { return m_nReservedC; }
    void SetReservedC(int value) { m_nReservedC = value; }

    // Everything the template holds, the components as clones in order. (Copying the
    // default size and the reserved values too keeps a document's copy of a symbol equal to
    // the installed one.)
    void Copy(const CQarnAutoShapeTempl* source);
    CQarnComponent* Clone(CQarnLayer* layer) override;

    // The component base record, then the components, id, name, text area, standard
    // anchors, default size, reserved values C, A, E and B, and the anchors. A template
    // inside a template, or anchor points without one direction each, end the read.
    void Serialize(CArchive& ar) override;

    // Placing the template: the frame's origin goes to the rectangle's top-left and its size
    // is stretched to the rectangle's (an axis on which the frame has no extent keeps its
    // scale of 1).
    Matrix GetPlacement(const RectF& rect) const;
    PointF Place(const PointF& framePoint, const RectF& rect) const;
    RectF Place(const RectF& frameRect, const RectF& rect) const;

    // Appends every component's outline (each through its own rotation and flip), in the
    // template frame; the list of paths is built on first use with the mode asked for.
    void CreatePath(GraphicsPath& path, RectF* rect, PathMode mode) override;
    // One outline per component, or null before CreatePath has built them. (The name is the
    // system's spelling.)
    const std::vector<std::unique_ptr<GraphicsPath>>* GetGraphicPathArry() const;

    // The preview: every component's outline placed into the rectangle and painted smoothly
    // with that component's own pen and fill (the pen's paint when it fills with its pen), as
    // far as its line and fill flags say.
    using CQarnComponent::Draw;
    void Draw(CDC* dc, const RectF& rect);
    void Draw(Graphics* graphics, const RectF& rect);

private:
    void DeleteComponents();
    void CreatePathList(PathMode mode);
    void FreePathList();
    void Changed();

    int m_nReservedA = 0;
    UINT m_nTemplateID = 0;
    int m_nReservedB = 0;
    QString m_strTemplateName = QStringLiteral("New AutoShape");
    ComponentList m_Components;
    QList<PointF> m_AnchorPoints;
    QList<BYTE> m_AnchorDirections;
    RectF m_rcText;
    int m_nStandardAnchors = 1;
    std::vector<std::unique_ptr<GraphicsPath>> m_PathList;
    bool m_bPathListBuilt = false;
    int m_nPathListMode = 0;
    bool m_bBuildingPathList = false;
    int m_nDefaultWidth = 100;
    int m_nDefaultHeight = 100;
    int m_nReservedC = 1;
    int m_nReservedD = 1;
    int m_nReservedE = 0;
    int m_nReservedF = 0;
};

using CQarnTemplateList = QList<CQarnAutoShapeTempl*>;
