#include "catalogue_page.h"

#include <QRegularExpression>
#include <QString>
#include <cmath>
#include <memory>

#include "core/canvas.h"
#include "core/component.h"
#include "core/doc.h"
#include "core/handle.h"
#include "properties/text_property.h"
#include "shapes/rect.h"
#include "shapes/shape_ids.h"
#include "shapes/shape_registry.h"

namespace Qarn::Examples {

namespace {

// Four kinds to a row, each in two cells: as made, and with its handles moved.
constexpr int kKindsPerRow = 4;
constexpr float kCellWidth = 100;
constexpr float kCellHeight = 92;
constexpr float kMargin = 25;
constexpr float kShapeWidth = 80;
constexpr float kShapeHeight = 52;
constexpr float kCaptionHeight = 18;

constexpr ARGB kMadeFill = 0xFFB8D8F8u;
constexpr ARGB kMovedFill = 0xFFFFD8A8u;
constexpr ARGB kLine = 0xFF203040u;

float Distance(const PointF& a, const PointF& b) {
    return std::hypot(a.X - b.X, a.Y - b.Y);
}

// The kind's name without the number the document gives it ("Ribbon" of "Ribbon-12").
QString KindName(CQarnComponent& shape) {
    QString name = shape.GetName();
    name.remove(QRegularExpression(QStringLiteral("-\\d+$")));
    return name;
}

CQarnComponent* MakeShape(int id, const RectF& frame, ARGB fill) {
    CQarnComponent* shape = Qarn::CreateShape(id, frame);
    if (shape == nullptr) {
        return nullptr;
    }
    // A kind drawn mirrored (the right bracket) keeps its mirrored frame over the same cell.
    if (shape->GetRectF().Width < 0) {
        shape->MoveTo(RectF(frame.X + frame.Width, frame.Y, -frame.Width, frame.Height), 0);
    }
    shape->SetFillColor(Color(fill));
    shape->SetLineColor(Color(kLine));
    shape->SetLineWidth(1);
    shape->ResetPath();
    return shape;
}

// A frame without line or fill that shows the words.
CQarnComponent* MakeCaption(const RectF& frame, const QString& words) {
    auto* caption = new CQarnRect(frame);
    caption->SetShapeID(Qarn::kShapeRectangle);
    caption->SetDrawLine(false);
    caption->SetFill(false);
    auto* text = new CQarnTextProperty();
    text->SetText(words);
    text->SetFontSize(7);
    caption->AddProperty(text);
    caption->ResetPath();
    return caption;
}

}  // namespace

QList<int> CatalogueShapeIds() {
    QList<int> ids;
    for (const int id : Qarn::GetShapeKindIDs()) {
        const CQarnShapeKind* kind = Qarn::FindShapeKind(id);
        if (kind != nullptr && kind->CanCreate()) {
            ids.append(id);
        }
    }
    return ids;
}

void MoveFreeHandles(CQarnComponent& shape) {
    // Handle numbers may change as handles move (none do today), so each is looked up again.
    for (int k = 0; k < shape.GetFreeHandleCount(); ++k) {
        for (const CQarnHandle& h : shape.GetShownHandles()) {
            if (h.kind != QarnHandleKind::Adjust || h.parameter != k) {
                continue;
            }
            RectF area = h.constraint.IsFree() ? shape.GetRectF() : h.constraint.GetArea();
            const PointF nearStart(area.X + 0.2f * area.Width, area.Y + 0.2f * area.Height);
            const PointF nearEnd(area.X + 0.8f * area.Width, area.Y + 0.8f * area.Height);
            PointF to =
                Distance(h.point, nearStart) > Distance(h.point, nearEnd) ? nearStart : nearEnd;
            // The drag is given as shown on the page.
            shape.TransformPoints(&to, 1);
            shape.MoveHandleTo(h.number, to, 0);
            break;
        }
    }
    shape.ResetPath();
}

int FillCataloguePage(CQarnDoc& doc) {
    const QList<int> ids = CatalogueShapeIds();
    const int rows = (int(ids.size()) + kKindsPerRow - 1) / kKindsPerRow;
    CQarnCanvas* page = doc.GetCurrentCanvas();
    page->SetSize(kCataloguePageWidth, int(2 * kMargin + rows * kCellHeight));
    int placed = 0;
    for (const int id : ids) {
        const float left = kMargin + (placed % kKindsPerRow) * 2 * kCellWidth;
        const float top = kMargin + (placed / kKindsPerRow) * kCellHeight;
        const float inset = (kCellWidth - kShapeWidth) / 2;
        CQarnComponent* made =
            MakeShape(id, RectF(left + inset, top, kShapeWidth, kShapeHeight), kMadeFill);
        CQarnComponent* moved = MakeShape(
            id, RectF(left + kCellWidth + inset, top, kShapeWidth, kShapeHeight), kMovedFill);
        if (made == nullptr || moved == nullptr) {
            delete made;
            delete moved;
            continue;
        }
        MoveFreeHandles(*moved);
        doc.AddTail(made);
        doc.AddTail(moved);
        const RectF captionFrame(left, top + kShapeHeight + 2, 2 * kCellWidth, kCaptionHeight);
        doc.AddTail(
            MakeCaption(captionFrame, QStringLiteral("%1 %2").arg(id).arg(KindName(*made))));
        ++placed;
    }
    return placed;
}

}  // namespace Qarn::Examples
