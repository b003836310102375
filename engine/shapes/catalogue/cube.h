#pragma once
// A box seen from above and from the right: a top face, a front face and a darker side face.
// Its free handle sets the depth. It lies on the left edge of a frame at least as wide as
// high, on the top edge of a taller one, and the depth is kept as a fraction of that edge, so
// that sizing the cube keeps its proportions.

#include "shapes/shape_base.h"

class CQarnShapeCube : public CQarnShapeBase {
    QARN_DECLARE_SERIAL(CQarnShapeCube)

public:
    // The side face is drawn this much as bright as the others.
    static constexpr int kSideShade = 80;

    CQarnShapeCube();
    // A cube a quarter of the governing edge deep.
    explicit CQarnShapeCube(const RectF& rect);

    // The depth as a fraction of the edge the handle lies on.
    double GetAdjustRatio() const { return m_dRatio; }

    // Sizing by a frame handle puts the depth handle at the kept fraction of its new edge.
    int MoveHandleTo(int handle, PointF point, MoveFlags flags) override;

    void Copy(const CQarnShapeCube* source);
    CQarnComponent* Clone(CQarnLayer* layer) override;
    // The shape base record, then the ratio (a 64-bit float).
    void Serialize(CArchive& ar) override;

protected:
    void BuildFigures(Figures& figures) const override;
    CQarnHandleConstraint GetFreeHandleConstraint(int k) const override;
    bool SetAdjustParameter(int parameter, const PointF& framePoint) override;

private:
    // Whether the handle lies on the left edge (the frame is at least as wide as high).
    bool DepthAlongLeftEdge() const;
    void PlaceHandle();

    double m_dRatio = 0.25;
};
