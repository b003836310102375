// Values a file holds reach drawing only within bounds: each kind is checked where it is read,
// so an infinite width, a NaN frame or a huge font from a damaged file is tamed on opening.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cmath>
#include <limits>

#include "core/canvas.h"
#include "core/doc.h"
#include "core/drawing_limits.h"
#include "core/layer.h"
#include "core/value_archive.h"
#include "properties/pen_property.h"
#include "properties/shadow_property.h"
#include "properties/text_property.h"
#include "shapes/arc_outline.h"
#include "shapes/point.h"
#include "shapes/poly.h"
#include "shapes/poly_outline.h"
#include "shapes/rect.h"
#include "support/patched_document.h"

namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();
const float kNaN = std::nanf("");
// A value no drawing holds by chance, replaced in the stored bytes.
constexpr float kMarker = 1234.5f;

class DrawingLimitsTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    CQarnDoc doc;
    CQarnDoc back;

    void SetUp() override { ASSERT_TRUE(doc.OnNewDocument()); }

    // The first component of the document as read back with the marker replaced.
    CQarnComponent* ReadBack(float replacement, float marker = kMarker) {
        const QString path = dir.filePath(QStringLiteral("doc.met"));
        EXPECT_GE(SaveWithFloatReplaced(doc, path, marker, replacement), 1);
        QString error;
        EXPECT_TRUE(back.OnOpenDocument(path, &error)) << error.toStdString();
        return back.GetCanvasList()[0]->GetLayers()[0]->GetList().value(0);
    }
};

}  // namespace

TEST_F(DrawingLimitsTest, FramesAndPointsAreReadWithinTheCoordinateBounds) {
    // Values in range come back bit for bit; the others are tamed.
    QByteArray bytes;
    {
        CArchive out(CArchive::store, &bytes);
        out << kNaN << kInf << -1e30f << 2.5f << -7.75f << kNaN;
    }
    CArchive in(CArchive::load, &bytes);
    RectF r;
    PointF p;
    in >> r >> p;
    EXPECT_EQ(r.X, 0.0f);
    EXPECT_EQ(r.Y, Qarn::kCoordinateLimit);
    EXPECT_EQ(r.Width, -Qarn::kCoordinateLimit);
    EXPECT_EQ(r.Height, 2.5f);
    EXPECT_EQ(p.X, -7.75f);
    EXPECT_EQ(p.Y, 0.0f);

    auto* poly = new CQarnPoly(RectF(0, 0, 100, 100));
    poly->SetPointArray({PointF(0, 0), PointF(kMarker, 5), PointF(50, 60)});
    poly->SetPointCount(3);
    poly->SetTension(98.25f);
    doc.AddTail(poly);
    auto* read = dynamic_cast<CQarnPoly*>(ReadBack(kNaN));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->GetPoint(2, 0).X, 0.0f);
    EXPECT_EQ(read->GetPoint(3, 0).Y, 60.0f);
    read = dynamic_cast<CQarnPoly*>(ReadBack(kNaN, 98.25f));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->GetTension(), CQarnPoly::kDefaultTension);
}

TEST_F(DrawingLimitsTest, PenWidthsOfEveryKindOfBrokenNumberBecomeDrawable) {
    CQarnRect* box = new CQarnRect(RectF(10, 10, 100, 50));
    box->GetPenProperty()->SetLineWidth(kMarker);
    doc.AddTail(box);
    EXPECT_EQ(ReadBack(kNaN)->GetPenProperty()->GetLineWidth(), 1.0f);
    EXPECT_EQ(ReadBack(kInf)->GetPenProperty()->GetLineWidth(), Qarn::kMaxLineWidth);
    EXPECT_EQ(ReadBack(-kInf)->GetPenProperty()->GetLineWidth(), 0.0f);
    EXPECT_EQ(ReadBack(2.5f)->GetPenProperty()->GetLineWidth(), 2.5f);
    // Set through the property protocol as well.
    box->GetPenProperty()->SetLineWidth(kInf);
    EXPECT_EQ(box->GetPenProperty()->GetLineWidth(), Qarn::kMaxLineWidth);
}

TEST_F(DrawingLimitsTest, FontSizesWidthsRadiiAnglesOffsetsAndPagesAreTamed) {
    auto* text = new CQarnTextProperty();
    text->SetText(QStringLiteral("Hello"));
    text->SetFontSize(kMarker);
    CQarnRect* box = new CQarnRect(RectF(10, 10, 100, 50));
    box->AddProperty(text);
    box->SetRotateAngle(kMarker);
    doc.AddTail(box);
    auto* outline = new CQarnPolyOutline(RectF(0, 0, 10, 10));
    outline->SetOutlineWidth(kMarker);
    doc.AddTail(outline);
    auto* arc = new CQarnArcOutline(RectF(0, 0, 40, 40));
    arc->SetOutlineWidth(kMarker);
    doc.AddTail(arc);
    auto* point = new CQarnPoint(PointF(5, 5));
    point->SetMarkerRadius(kMarker);
    doc.AddTail(point);
    auto* shadow = new CQarnShadowProperty();
    shadow->SetXOffset(std::numeric_limits<int>::min());
    box->AddProperty(shadow);
    doc.GetCurrentCanvas()->SetSize(std::numeric_limits<int>::max(), -5);

    CQarnComponent* read = ReadBack(kInf);
    const auto& list = back.GetCanvasList()[0]->GetLayers()[0]->GetList();
    ASSERT_EQ(list.size(), 4);
    EXPECT_EQ(read->GetRotateAngle(), 0.0f);
    auto* readText = dynamic_cast<CQarnTextProperty*>(read->GetProperty(QARN_PROP_TEXT));
    ASSERT_NE(readText, nullptr);
    EXPECT_EQ(readText->GetFontSize(), Qarn::kMaxFontSize);
    EXPECT_EQ(dynamic_cast<CQarnPolyOutline*>(list[1])->GetOutlineWidth(), Qarn::kMaxLineWidth);
    EXPECT_EQ(dynamic_cast<CQarnArcOutline*>(list[2])->GetOutlineWidth(), Qarn::kMaxLineWidth);
    EXPECT_EQ(dynamic_cast<CQarnPoint*>(list[3])->GetMarkerRadius(), Qarn::kCoordinateLimit);
    auto* readShadow = dynamic_cast<CQarnShadowProperty*>(read->GetProperty(QARN_PROP_SHADOW));
    ASSERT_NE(readShadow, nullptr);
    EXPECT_EQ(readShadow->GetXOffset(), -int(Qarn::kCoordinateLimit));
    EXPECT_EQ(back.GetCanvasList()[0]->GetWidth(), int(Qarn::kCoordinateLimit));
    EXPECT_EQ(back.GetCanvasList()[0]->GetHeight(), -5);
    ReadBack(kNaN);
    EXPECT_EQ(
        dynamic_cast<CQarnTextProperty*>(
            back.GetCanvasList()[0]->GetLayers()[0]->GetList()[0]->GetProperty(QARN_PROP_TEXT))
            ->GetFontSize(),
        12.0f);
}
