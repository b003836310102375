#pragma once
// One handle of a selected component as the component describes it: what it is, where it
// sits, how its tracker mark looks, which cursor shows over it and, for an adjust handle,
// where a drag may take it. A shape lists its handles in number order (GetHandles); the
// component base numbers them, places them as shown, draws and hit-tests them for every shape.

#include <vector>

#include "core/handle_constraint.h"
#include "core/handle_kinds.h"
#include "platform/color.h"
#include "platform/point_f.h"

struct CQarnHandle {
    // The mark the tracker draws at the handle, filled by the tracker state.
    struct TrackerMark {
        enum class Shape : std::uint8_t {
            Square,   // 6 tracker units across, outlined black
            Diamond,  // reaching 4 tracker units from the handle, outlined black
            Dot,      // a smoothed disc 7 tracker units across, no outline
        };
        Shape shape = Shape::Square;
        Color selected = Color(0xFF00FF00u);  // tracker state 1
        Color active = Color(0xFF0000FFu);    // tracker state 2
    };

    // Green or blue squares by the tracker state.
    static TrackerMark StateSquare();
    // The same fill in both states.
    static TrackerMark Square(Color fill);
    static TrackerMark Diamond(Color fill = Color(0xFFFFFF00u));

    // A frame handle at that position of the unrotated frame; its cursor follows its
    // direction as shown.
    static CQarnHandle Sizing(QarnHandleId id, const PointF& framePoint);
    // The label's centre, which never turns with the component.
    static CQarnHandle Label(const PointF& centre);
    // A handle that sets stored parameter `parameter` of the shape, kept within the
    // constraint while it is dragged.
    static CQarnHandle Adjust(const PointF& framePoint,
                              const CQarnHandleConstraint& constraint = CQarnHandleConstraint(),
                              int parameter = 0);
    static CQarnHandle LineEnd(const PointF& framePoint);
    static CQarnHandle ArcEnd(const PointF& framePoint);
    // Red when the end rests on a shape, green when it is free.
    static CQarnHandle ConnectorEnd(const PointF& framePoint, bool connected);
    static CQarnHandle ConnectorLeg(const PointF& framePoint);
    // A state-coloured dot marking a selected point marker.
    static CQarnHandle Marker(const PointF& framePoint);

    // 1-based, in the order the shape lists its handles; 0 for a marker.
    int number = 0;
    QarnHandleKind kind = QarnHandleKind::Sizing;
    // The frame position of a sizing handle, Label for the label, None for the rest.
    QarnHandleId id = QarnHandleId::None;
    // Where the shape keeps it: in the unrotated frame, document units.
    PointF point;
    // Whether the component's rotation and flip carry it (the label's handle stays put).
    bool followsTransform = true;
    // Where it shows, document units.
    PointF shown;
    QarnHandleCursor cursor = QarnHandleCursor::Move;
    TrackerMark mark;
    // Marks of a higher layer are drawn over, and hit before, those of a lower one; within a
    // layer a later handle is drawn over, and hit before, an earlier one.
    int layer = 0;
    // Which stored parameter an adjust handle sets; -1 for other kinds.
    int parameter = -1;
    CQarnHandleConstraint constraint;
};

namespace Qarn {

// The handles from the bottom mark to the top one: by layer, then in list order. Hit tests
// run through it backwards, so what shows on top is hit first.
std::vector<const CQarnHandle*> HandleDrawOrder(const std::vector<CQarnHandle>& handles);

}  // namespace Qarn
