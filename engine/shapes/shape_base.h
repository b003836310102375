#pragma once
// The base of every parametric shape of the drawing toolbars (stars, cubes, block arrows...).
// Besides the frame's sizing handles a shape carries a few free handles: points in its
// unrotated frame that set a proportion of the shape (the inner radius of a star, the depth
// of a cube). The free handles move and stretch with the frame.
//
// A kind is a small class. It
//   - passes its number of free handles to the constructor and places them there;
//   - says where each may be dragged (GetFreeHandleConstraint), and, when a drag changes more
//     than the handle's place, what else it sets (SetAdjustParameter);
//   - builds its outline from the frame and the free handles (BuildFigures), one figure per
//     drawing element;
//   - registers its shape ids beside its class (shapes/shape_registry.h).
// Numbering, trackers (yellow diamonds), cursors, hit tests and dragging come from here.

#include <vector>

#include "core/component.h"
#include "core/handle_constraint.h"
#include "platform/graphics_path.h"

class CQarnShapeBase : public CQarnComponent {
    QARN_DECLARE_SERIAL(CQarnShapeBase)

public:
    // One drawing element of the outline: its figures, the shade its fill is drawn with (100
    // as it is, less darker), and whether it is kept apart from the filled outline.
    struct Figure {
        GraphicsPath path;
        int shade = 100;
        bool apart = false;
    };
    using Figures = std::vector<Figure>;

    // No free handles; the reader fills in as many as the record holds.
    CQarnShapeBase();
    // A shape on the frame with that many free handles, all on the frame's top-left corner
    // until the kind places them.
    CQarnShapeBase(const RectF& rect, int freeHandleCount);

    int GetFreeHandleCount() const override;
    // Free handle k (from 0) in the unrotated frame; the frame's centre for a k it lacks.
    PointF GetFreeHandle(int k) const;
    // Stores free handle k (from 0), untransformed, as it is; a k it lacks is ignored.
    void SetFreeHandle(PointF point, int k);
    // A free handle by its handle number stores the point (untransformed) as it is; other
    // numbers are ignored.
    void SetHandle(int handle, PointF point);

    // Keeps p within the closed ranges the rectangle spans, coordinate by coordinate: a
    // positive width gives [X, X + Width], a negative one [X + Width, X], a zero width pins x
    // to X; the same for y with the height.
    static void ConfinePoint(PointF& point, const RectF& area);

    // The free handles follow the frame: each keeps its offset from the frame's centre,
    // stretched by the change of width and height (an axis without extent before keeps the
    // offset as it is).
    int MoveTo(const RectF& rect, MoveFlags flags) override;
    // A free handle is dragged through MoveFreeHandleTo; the other handles size the frame,
    // which the free handles follow.
    int MoveHandleTo(int handle, PointF point, MoveFlags flags) override;
    // Moves the frame and the free handles with it.
    void Shift(float dx, float dy) override;
    // Takes the point into the unrotated frame, keeps it within the handle's constraint,
    // stores it (SetAdjustParameter), rebuilds the outline and honours the flags; 0 when the
    // number is no free handle.
    virtual int MoveFreeHandleTo(int handle, PointF point, MoveFlags flags);

    // The kind's figures, built in the frame (or mapped onto the rectangle when one is given).
    BOOL CreateElements(RectF* rect) override;

    // The base copy, then the free handles.
    void Copy(const CQarnShapeBase* source);
    CQarnComponent* Clone(CQarnLayer* layer) override;
    // The component base record, the free handle count and points, and two reserved words.
    // A kind reading a record with another number of free handles than it has ends the read.
    void Serialize(CArchive& ar) override;

protected:
    // What a kind's default constructor gives the reader: a shape with exactly that many free
    // handles.
    explicit CQarnShapeBase(int freeHandleCount);

    // The kind's outline from GetRectF() and the free handles, one figure per element.
    // The base has none.
    virtual void BuildFigures(Figures& figures) const;
    // Where free handle k may be dragged, in the unrotated frame as it is; anywhere unless
    // the kind confines it.
    virtual CQarnHandleConstraint GetFreeHandleConstraint(int k) const;
    // Free handle k placed at the point (already within its constraint). The base stores it;
    // a kind that keeps a proportion as well stores that too.
    bool SetAdjustParameter(int parameter, const PointF& framePoint) override;
    // The frame's handles (a label handle as a translucent magenta diamond), then the free
    // handles.
    void GetHandles(std::vector<CQarnHandle>& handles) const override;
    // Puts every free handle back within its constraint as it now is.
    void KeepFreeHandlesInRange();
    // Moves the free handles from the frame `from` to the frame `to`.
    void FollowFrame(const RectF& from, const RectF& to);
    // As for every component, and also inside any filled element on its own: elements drawn
    // over one another (the eyes of a face) leave holes in the combined outline, which is
    // filled with one rule, though each is drawn filled.
    bool HitTestShape(PointF point, float tolerance) override;

private:
    std::vector<PointF> m_FreeHandles;
    // Whether the class draws with a fixed number of free handles (every kind does).
    bool m_bFixedCount = false;
};
