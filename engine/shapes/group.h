#pragma once
// A group binds components so that they are selected, moved, sized, rotated and flipped as
// one. The members stay in their layer (which owns them) and point back to the group; the
// group only refers to them. Groups nest.

#include <QList>

#include "core/component.h"

class CQarnGroup : public CQarnComponent {
    QARN_DECLARE_SERIAL(CQarnGroup)

public:
    CQarnGroup();
    explicit CQarnGroup(const RectF& rect);
    ~CQarnGroup() override;

    // Appends the member and makes this group its parent.
    void AddComponent(CQarnComponent* component);
    const ComponentList& GetMembers() const { return m_Members; }
    void ClearMembers() { m_Members.clear(); }
    // The first member, descending through nested groups to a component that is not one.
    CQarnComponent* GetFirstComp() const;
    // The frame becomes the union of the members' normalised frames.
    int RecalcBounds();

    // The members (nested ones first) and then the group itself.
    void AddToList(ComponentList& list) override;
    void OnAdded(int newlyNumbered) override;
    void OnRemoved() override;
    // Finds the stored members in the layers of the canvas after loading.
    void Initialize(CQarnLayer* layer) override;
    // A group of the same frame and fields with no members (members are cloned on their own
    // and regrouped through a group table).
    CQarnComponent* Clone(CQarnLayer* layer) override;

    CRect GetBoundRect(bool tight) override;
    int Intersects(const CRect& rect, CView* view) override;
    void Invalidate(CView* view, bool erase) override;
    void RecordlastPosition() override;

    // With flag 4 the members are mapped from the old frame to the new one as well.
    int MoveTo(const RectF& rect, MoveFlags flags) override;
    int MoveHandleTo(int handle, PointF point, MoveFlags flags) override;
    void Shift(float dx, float dy) override;
    void RotateAt(float angle, PointF center, int move) override;
    void Flip(BYTE mode, PointF axis, int change) override;
    void OnPositionChanged(const RectF& oldRect, ComponentList* moving, int change) override;

    // Members draw themselves in their layer.
    void Draw(Graphics*, const CRect&, CPoint*, Matrix*, const BYTE&) override {}
    void DrawOutline(CDC*, RectF*) override {}

    // The base record, the member count and each member's position in its layer and its
    // layer's position in the canvas (1-based).
    void Serialize(CArchive& ar) override;

protected:
    // A group shows nothing of its own: it is hit where one of its members is.
    bool HitTestShape(PointF point, float tolerance) override;

private:
    // Sizes each member (nested ones included) by the scaling m of the group frame.
    void ScaleMembers(const Matrix& m, MoveFlags flags);

    ComponentList m_Members;
    // Filled while loading, consumed by Initialize.
    QList<std::uint32_t> m_LoadedIndices;
    QList<std::uint32_t> m_LoadedLayers;
};
