#include "view/tools/shape_tool.h"

#include <QPainter>
#include <cmath>
#include <cstdlib>

#include "controls/warning.h"
#include "core/component.h"
#include "shapes/shape_ids.h"
#include "shapes/shape_registry.h"
#include "undo/action_ids.h"
#include "view/command_ids.h"
#include "view/qarn_view.h"
#include "view/select_tool.h"

QARN_IMPLEMENT_DYNAMIC(CShapeTool, CDrawTool)

UINT CShapeTool::c_nShapeID = CShapeTool::kShapeToolID;

namespace {

// The kinds of the catalogue lie in these command identifiers.
constexpr UINT kFirstCatalogueKind = 18163;
constexpr UINT kLastCatalogueKind = 18332;
// The handle a new shape is pulled by: the bottom-right corner.
constexpr int kPullHandle = 5;

bool IsBraceOrBracket(UINT kind) {
    return kind >= 18242 && kind <= 18245;
}

bool IsRightHanded(UINT kind) {
    return kind == 18243 || kind == 18245;
}

float AtLeast(float value, float least) {
    if (std::fabs(value) >= least) {
        return value;
    }
    return value < 0 ? -least : least;
}

}  // namespace

CShapeTool::CShapeTool(UINT id) : CDrawTool(id) {}

UINT CShapeTool::KindOfCommand(UINT id) {
    switch (id) {
        case QarnCmd::ShapeRectangle:
            return Qarn::kShapeAutoRectangle;
        case QarnCmd::ShapeRoundRectangle:
            return 18230;
        case QarnCmd::ShapeEllipse:
            return Qarn::kShapeAutoEllipse;
        default:
            return id;
    }
}

UINT CShapeTool::CurrentKind() {
    const UINT tool = GetToolID();
    return KindOfCommand(tool == kShapeToolID ? c_nShapeID : tool);
}

bool CShapeTool::Serves(UINT id) const {
    if (id == QarnCmd::ShapeRectangle || id == QarnCmd::ShapeEllipse ||
        id == QarnCmd::ShapeRoundRectangle) {
        return true;
    }
    if (id < kFirstCatalogueKind || id > kLastCatalogueKind) {
        return false;
    }
    const CQarnShapeKind* kind = Qarn::FindShapeKind(int(id));
    return kind != nullptr && kind->CanCreate();
}

bool CShapeTool::IsClick(const CPoint& down, const CPoint& up) {
    return std::abs(up.x - down.x) < CSelectTool::kDragStartPixels &&
           std::abs(up.y - down.y) < CSelectTool::kDragStartPixels;
}

std::unique_ptr<CQarnComponent> CShapeTool::CreateAt(CQarnView* view, PointF p) {
    const UINT kind = CurrentKind();
    std::unique_ptr<CQarnComponent> shape(Qarn::CreateShape(int(kind), RectF(p.X, p.Y, 1, 1)));
    if (shape == nullptr) {
        Qarn::ShowWarning(view, QString::fromLatin1(Qarn::kCannotCreateShapeMessage));
        return nullptr;
    }
    shape->SetShapeID(int(kind));
    shape->UpdateRotateCenter();
    shape->ResetPath();
    return shape;
}

void CShapeTool::OnLButtonDown(CQarnView* view, UINT flags, const CPoint& point) {
    const PointF p = ToolPoint(view, flags, point);
    CQarnTool::OnLButtonDown(view, flags, point);
    SetPressPoint(point);
    if (view->CanAddNewAction(QarnActionId::AddObject) != CActionRecorder::Allowed) {
        return;
    }
    std::unique_ptr<CQarnComponent> shape = CreateAt(view, p);
    if (shape == nullptr) {
        Drag().selectMode = SelectNone;
        return;
    }
    if (!AddDrawn(view, std::move(shape))) {
        return;
    }
    m_ptStart = p;
    Drag().dragHandle = kPullHandle;
    Drag().lastPoint = CPoint(int(p.X), int(p.Y));
}

void CShapeTool::OnMouseMove(CQarnView* view, UINT flags, const CPoint& point) {
    Drag().last = point;
    view->SetToolCursor(Qt::CrossCursor);
    CQarnComponent* shape = GetDrawn();
    if (shape == nullptr || (flags & MK_LBUTTON) == 0) {
        return;
    }
    const PointF p = ToolPoint(view, flags, point);
    MoveFlags moveFlags = MoveFlags::Invalidate | MoveFlags::Sizing;
    // Shift keeps the sides in proportion: a square, a circle.
    if ((flags & MK_SHIFT) != 0) {
        moveFlags |= MoveFlags::KeepRatio;
    }
    const RectF before = shape->GetRectF();
    shape->MoveHandleTo(kPullHandle, p, moveFlags);
    if (!shape->GetRectF().Equals(before)) {
        RepaintOverlay(view);
    }
    Drag().lastPoint = CPoint(int(p.X), int(p.Y));
}

RectF CShapeTool::ClickFrame(CQarnComponent* component, PointF p) const {
    const auto kind = UINT(component->GetShapeID());
    const float width = IsBraceOrBracket(kind) ? kBraceWidth : kDefaultSize;
    RectF frame(p.X - width / 2, p.Y - kDefaultSize / 2, width, kDefaultSize);
    if (IsRightHanded(kind)) {
        // The right-hand brace and bracket open to the left: mirrored.
        frame = RectF(frame.X + width, frame.Y, -width, frame.Height);
    }
    return frame;
}

RectF CShapeTool::LeastFrame(CQarnComponent* component, const RectF& frame) const {
    (void)component;
    return RectF(frame.X, frame.Y, AtLeast(frame.Width, kLeastSize),
                 AtLeast(frame.Height, kLeastSize));
}

void CShapeTool::OnLButtonUp(CQarnView* view, UINT flags, const CPoint& point) {
    if (CQarnComponent* shape = GetDrawn()) {
        RectF frame = shape->GetRectF();
        if (IsClick(GetPressPoint(), point)) {
            frame = ClickFrame(shape, m_ptStart);
        }
        frame = LeastFrame(shape, frame);
        if (!frame.Equals(shape->GetRectF())) {
            const RectF old = shape->GetRectF();
            shape->MoveTo(frame, MoveFlags::Invalidate | MoveFlags::Members);
            shape->UpdateRotateCenter();
            shape->OnPositionChanged(old, nullptr, 1);
        }
        shape->ResetPath();
        shape->Invalidate(nullptr, false);
        FinishDrawn();
        view->OnSelectionChanged(nullptr);
        RepaintOverlay(view);
    }
    CQarnTool::OnLButtonUp(view, flags, point);
}

void CShapeTool::PaintOverlay(CQarnView* view, QPainter& painter) {
    CQarnComponent* shape = GetDrawn();
    if (shape == nullptr) {
        return;
    }
    // The size being drawn, beside the pointer, in document units.
    const RectF frame = shape->GetRectF();
    const QString text = QStringLiteral("%1 \u00d7 %2")
                             .arg(std::lround(std::fabs(frame.Width)))
                             .arg(std::lround(std::fabs(frame.Height)));
    const CPoint at = Drag().last;
    painter.save();
    const QFontMetrics metrics(view->font());
    QRect box = metrics.boundingRect(text).adjusted(-4, -2, 4, 2);
    box.moveTopLeft(QPoint(at.x + 14, at.y + 14));
    painter.setPen(QColor(0x30, 0x30, 0x30));
    painter.setBrush(QColor(0xff, 0xff, 0xe8, 230));
    painter.drawRect(box);
    painter.drawText(box, Qt::AlignCenter, text);
    painter.restore();
}
