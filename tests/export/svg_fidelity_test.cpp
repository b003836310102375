// The SVG of a page with every kind of shape, rendered by rsvg-convert, against the page as
// the program draws it: they must agree up to anti-aliasing and font rasterisation.
#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>
#include <cstdlib>

#include "connectors/connection.h"
#include "connectors/connector.h"
#include "core/canvas.h"
#include "core/configuration.h"
#include "core/custom_config.h"
#include "core/doc.h"
#include "export/page_renderer.h"
#include "properties/arrow_property.h"
#include "properties/brush_property.h"
#include "properties/shadow_property.h"
#include "properties/text_property.h"
#include "shapes/arc_pie.h"
#include "shapes/point.h"
#include "shapes/poly.h"
#include "shapes/poly_outline.h"
#include "shapes/rect.h"
#include "shapes/shape_ids.h"
#include "support/image_difference.h"
#include "support/svg_witness.h"

namespace {

CQarnRect* Shape(const RectF& r, int id, ARGB fill) {
    auto* box = new CQarnRect(r);
    box->SetShapeID(id);
    box->SetFillColor(Color(fill));
    box->SetLineColor(Color(0xFF203040u));
    box->SetLineWidth(3);
    box->ResetPath();
    return box;
}

CQarnPoly* Poly(std::initializer_list<PointF> points, bool closed, DWORD join) {
    auto* poly = new CQarnPoly(RectF(0, 0, 1, 1));
    for (const PointF& p : points) {
        poly->AddPoint(p);
    }
    poly->SetPolyStyle(join);
    poly->SetClosed(closed);
    poly->SetFill(closed);
    poly->SetFillColor(Color(0xFFFFD080u));
    poly->SetLineWidth(3);
    poly->RecalcBounds();
    poly->ResetPath();
    return poly;
}

CQarnArcPie* Arc(const RectF& r, int id) {
    auto* arc = new CQarnArcPie(r);
    arc->SetShapeID(id);
    arc->SetFillColor(Color(0xFF90C0FFu));
    arc->SetLineWidth(3);
    arc->ResetPath();
    return arc;
}

// A page of 600 x 400 units holding each shape class, a connector, and each kind of paint.
void BuildPage(CQarnDoc& doc) {
    doc.GetCurrentCanvas()->SetSize(600, 400);
    doc.AddTail(Shape(RectF(20, 20, 120, 70), Qarn::kShapeRectangle, 0xFFFF8080u));
    doc.AddTail(Shape(RectF(160, 20, 120, 70), Qarn::kShapeRoundRectangle, 0xFF80FF80u));
    CQarnRect* ellipse = Shape(RectF(300, 20, 120, 70), Qarn::kShapeEllipse, 0xFF8080FFu);
    ellipse->RotateAt(30, PointF(360, 55), 0);
    doc.AddTail(ellipse);

    CQarnRect* hatched = Shape(RectF(440, 20, 130, 70), Qarn::kShapeRectangle, 0xFF000080u);
    hatched->SetBrushType(CQarnBrushProperty::Hatch);
    hatched->GetBrushProperty()->SetHatchStyle(5);
    hatched->GetBrushProperty()->SetColor2(Color(0xFFFFFFE0u));
    doc.AddTail(hatched);

    CQarnRect* gradient = Shape(RectF(20, 120, 140, 80), Qarn::kShapeRectangle, 0xFFFFFFFFu);
    gradient->SetBrushType(CQarnBrushProperty::LinearGradient);
    gradient->GetBrushProperty()->SetColor2(Color(0xFF2040A0u));
    doc.AddTail(gradient);

    CQarnRect* shadowed = Shape(RectF(190, 120, 120, 80), Qarn::kShapeRectangle, 0xFFFFFFA0u);
    auto* shadow = new CQarnShadowProperty();
    shadow->SetXOffset(8);
    shadow->SetYOffset(8);
    shadowed->AddProperty(shadow);
    auto* words = new CQarnTextProperty();
    words->SetText(QStringLiteral("Shadowed box"));
    words->SetFontSize(14);
    shadowed->AddProperty(words);
    doc.AddTail(shadowed);

    doc.AddTail(Arc(RectF(340, 120, 90, 90), Qarn::kShapeArc));
    doc.AddTail(Arc(RectF(450, 120, 90, 90), Qarn::kShapePie));
    doc.AddTail(Arc(RectF(450, 230, 90, 90), Qarn::kShapeChord));

    CQarnPoly* line = Poly({PointF(20, 240), PointF(90, 300), PointF(160, 240)}, false,
                           CQarnPoly::JoinLineSegment);
    line->SetEndArrow(ArrowTypeArrow);
    line->ResetPath();
    doc.AddTail(line);
    doc.AddTail(Poly({PointF(190, 230), PointF(300, 250), PointF(240, 320)}, true,
                     CQarnPoly::JoinLineSegment));
    doc.AddTail(
        Poly({PointF(320, 240), PointF(360, 320), PointF(420, 240)}, false, CQarnPoly::JoinCurve));

    auto* band = new CQarnPolyOutline(RectF(0, 0, 1, 1));
    band->AddPoint(PointF(30, 360));
    band->AddPoint(PointF(280, 360));
    band->SetFillColor(Color(0xFFC0A0FFu));
    band->RecalcBounds();
    band->ResetPath();
    doc.AddTail(band);

    auto* point = new CQarnPoint(PointF(320, 360));
    doc.AddTail(point);

    // A round-corner connector with an arrow head from the shadowed box to the hatched one.
    const PointF from(310, 160);
    const PointF to(505, 90);
    auto* connector = new CQarnConnector(RectF(from.X, from.Y, 0, 0));
    connector->SetConnectorType(CQarnConnector::TypeRoundCorner);
    connector->SetClosed(false);  // as the connector tool leaves it
    connector->AddPoint(from);
    connector->AddPoint(to);
    connector->SetLineWidth(2);
    connector->SetEndArrow(ArrowTypeArrow);
    doc.AddTail(connector);
    connector->SetLeftConnection(
        new CQarnConnection(shadowed, shadowed->GetNearbyAnchor(from), connector, from));
    connector->SetRightConnection(
        new CQarnConnection(hatched, hatched->GetNearbyAnchor(to), connector, to));
    connector->AutoLayout();
    connector->RecalcBounds(0);
    connector->ResetHandles();
    connector->ResetPath();
}

}  // namespace

TEST(SvgFidelityTest, RsvgRendersTheExportAsThePageDraws) {
    if (RsvgConvertPath().isEmpty()) {
        GTEST_SKIP() << "rsvg-convert is missing (librsvg2-bin)";
    }
    // The page's layer notice is drawn on screen only.
    CCustomConfig* config = Qarn::GetConfig();
    const int layerInfo = config->m_nShowLayerInfo;
    config->m_nShowLayerInfo = 0;
    CQarnDoc doc;
    ASSERT_TRUE(doc.OnNewDocument());
    BuildPage(doc);
    QTemporaryDir dir;
    const QString svg = dir.filePath(QStringLiteral("page.svg"));
    QString error;
    ASSERT_TRUE(doc.ExportToSVG(svg, nullptr, 0, &error)) << error.toStdString();
    ExpectSvgWitnessesAccept(svg);
    const QImage theirs = RenderWithRsvg(svg);
    ASSERT_FALSE(theirs.isNull());

    // At 100 dpi one document unit is one pixel, as in the SVG.
    const QImage ours = CPageRenderer::ToImage(doc, doc.GetCurrentCanvas(), 100);
    config->m_nShowLayerInfo = layerInfo;
    ASSERT_EQ(ours.size(), QSize(600, 400));
    ASSERT_EQ(theirs.size(), ours.size());

    // Tolerance: edges are anti-aliased differently, so a thin band along every outline may
    // differ; at most 3% of the page may differ strongly and the mean difference stays
    // below 3 of 255.
    const ImageDifference d = CompareImages(ours, theirs, ImageDifference::kStrongThreshold);
    EXPECT_LT(d.share, 0.03) << "mean " << d.mean;
    EXPECT_LT(d.mean, 3.0) << "share " << d.share;
    if (d.share >= 0.03 || d.mean >= 3.0) {
        ours.save(QStringLiteral("/tmp/svg_fidelity_ours.png"));
        theirs.save(QStringLiteral("/tmp/svg_fidelity_rsvg.png"));
    }

    // A page with something plainly missing fails the same measure.
    CQarnDoc sparse;
    ASSERT_TRUE(sparse.OnNewDocument());
    sparse.GetCurrentCanvas()->SetSize(600, 400);
    sparse.AddTail(Shape(RectF(20, 20, 120, 70), Qarn::kShapeRectangle, 0xFFFF8080u));
    const QImage missing = CPageRenderer::ToImage(sparse, sparse.GetCurrentCanvas(), 100);
    const ImageDifference wrong = CompareImages(missing, theirs, ImageDifference::kStrongThreshold);
    EXPECT_TRUE(wrong.share >= 0.03 || wrong.mean >= 3.0);
}
