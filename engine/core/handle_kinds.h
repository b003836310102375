#pragma once
// The typed vocabulary of handles: where a frame handle sits, what a handle does when it is
// dragged, and which cursor shows over it.

#include <QtCore/qnamespace.h>
#include <cstdint>

// The frame positions, numbered 1 to 8 clockwise from the top-left corner of the unrotated
// frame, and the label. A component with only some sizing handles numbers them from 1 but
// keeps these ids (a height-locked frame's handle 1 is Right).
enum class QarnHandleId : int {
    None = 0,
    TopLeft = 1,
    Top = 2,
    TopRight = 3,
    Right = 4,
    BottomRight = 5,
    Bottom = 6,
    BottomLeft = 7,
    Left = 8,
    Label = 9,
};

// What dragging a handle changes.
enum class QarnHandleKind : std::uint8_t {
    Sizing,        // an edge or corner of the frame
    Label,         // the label's centre
    Adjust,        // a parameter of the shape (rounded corner, free handle of a kind)
    LineEnd,       // an end point of a two-point line
    ArcEnd,        // an end of an arc, pie or chord, moving along its ellipse
    ConnectorEnd,  // an end of a connector, which may be dropped on a shape
    ConnectorLeg,  // the middle of a connector's inner leg, which slides sideways
    Marker,        // marks a selected point; not a handle: never numbered, counted or hit
};

// The cursor over a handle. Sizing handles take the double arrow that matches their
// direction as shown; the adjust cursor is the library's own.
enum class QarnHandleCursor : std::uint8_t {
    Move,
    SizeHorizontal,
    SizeVertical,
    SizeFallingDiagonal,  // top-left to bottom-right
    SizeRisingDiagonal,   // bottom-left to top-right
    Cross,
    Adjust,
};

namespace Qarn {

// The nearest shape Qt has; the adjust cursor has none and shows as the cross until the view
// loads a cursor of its own for it.
inline Qt::CursorShape ToCursorShape(QarnHandleCursor cursor) {
    switch (cursor) {
        case QarnHandleCursor::SizeHorizontal:
            return Qt::SizeHorCursor;
        case QarnHandleCursor::SizeVertical:
            return Qt::SizeVerCursor;
        case QarnHandleCursor::SizeFallingDiagonal:
            return Qt::SizeFDiagCursor;
        case QarnHandleCursor::SizeRisingDiagonal:
            return Qt::SizeBDiagCursor;
        case QarnHandleCursor::Cross:
        case QarnHandleCursor::Adjust:
            return Qt::CrossCursor;
        case QarnHandleCursor::Move:
            break;
    }
    return Qt::SizeAllCursor;
}

}  // namespace Qarn
