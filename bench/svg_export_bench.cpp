// SVG export of pages of 10,000 and 100,000 mixed components: rectangles, ellipses, rounded
// rectangles, polylines, arcs, points; some with gradients, hatches, dashes, arrow heads,
// shadows and text.
#include <benchmark/benchmark.h>

#include <QFileInfo>
#include <QTemporaryDir>

#include "core/canvas.h"
#include "core/doc.h"
#include "properties/arrow_property.h"
#include "properties/brush_property.h"
#include "properties/pen_property.h"
#include "properties/shadow_property.h"
#include "properties/text_property.h"
#include "shapes/arc_pie.h"
#include "shapes/point.h"
#include "shapes/poly.h"
#include "shapes/rect.h"
#include "shapes/shape_ids.h"

namespace {

RectF Spot(int i) {
    return RectF(float((i * 37) % 1900), float((i * 53) % 1900), 20.0f + float(i % 13), 14.0f);
}

CQarnComponent* Rect(int i, int shape) {
    auto* box = new CQarnRect(Spot(i));
    box->SetShapeID(shape);
    box->SetFillColor(Color(ARGB(0xFF000000u | (i * 2654435761u >> 8))));
    switch (i % 5) {
        case 1:
            box->SetBrushType(CQarnBrushProperty::LinearGradient);
            box->GetBrushProperty()->SetColor2(Color(0xFF2E8B57u));
            break;
        case 2:
            box->SetBrushType(CQarnBrushProperty::Hatch);
            box->GetBrushProperty()->SetHatchStyle(i % 53);
            break;
        case 3:
            box->GetPenProperty()->SetDashStyle(i % 5);
            break;
        default:
            break;
    }
    if (i % 10 == 0) {
        box->AddProperty(new CQarnShadowProperty());
    }
    if (i % 20 == 0) {
        auto* text = new CQarnTextProperty();
        text->SetText(QStringLiteral("Item %1").arg(i));
        box->AddProperty(text);
    }
    box->ResetPath();
    return box;
}

CQarnComponent* Line(int i) {
    const RectF r = Spot(i);
    auto* poly = new CQarnPoly(r);
    poly->AddPoint(PointF(r.X, r.Y));
    poly->AddPoint(PointF(r.X + r.Width / 2, r.Y + r.Height));
    poly->AddPoint(PointF(r.X + r.Width, r.Y));
    poly->SetFill(false);
    poly->SetClosed(false);
    if (i % 3 == 0) {
        poly->SetEndArrow(ArrowTypeArrow);
    }
    poly->RecalcBounds();
    poly->ResetPath();
    return poly;
}

CQarnComponent* Mixed(int i) {
    switch (i % 7) {
        case 0:
            return Rect(i, Qarn::kShapeRectangle);
        case 1:
            return Rect(i, Qarn::kShapeEllipse);
        case 2:
            return Rect(i, Qarn::kShapeRoundRectangle);
        case 3:
            return Line(i);
        case 4: {
            auto* arc = new CQarnArcPie(Spot(i));
            arc->SetShapeID(i % 2 ? Qarn::kShapePie : Qarn::kShapeArc);
            arc->ResetPath();
            return arc;
        }
        case 5:
            return new CQarnPoint(PointF(Spot(i).X, Spot(i).Y));
        default: {
            CQarnComponent* rotated = Rect(i, Qarn::kShapeRectangle);
            const RectF r = rotated->GetRectF();
            rotated->RotateAt(float(i % 90), PointF(r.X + r.Width / 2, r.Y + r.Height / 2), 0);
            return rotated;
        }
    }
}

void BM_ExportSvg(benchmark::State& state) {
    CQarnDoc doc;
    doc.OnNewDocument();
    doc.GetCurrentCanvas()->SetSize(2000, 2000);
    for (int i = 0; i < state.range(0); ++i) {
        doc.AddTail(Mixed(i));
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.svg"));
    for (auto _ : state) {
        doc.ExportToSVG(path, doc.GetCurrentCanvas(), 0);
    }
    state.counters["file_bytes"] = double(QFileInfo(path).size());
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

}  // namespace

BENCHMARK(BM_ExportSvg)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
