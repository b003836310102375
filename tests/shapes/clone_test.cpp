#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "connectors/anchor_point.h"
#include "connectors/connector.h"
#include "connectors/m_connector.h"
#include "core/layer.h"
#include "properties/arrow_property.h"
#include "properties/property.h"
#include "properties/text_property.h"
#include "shapes/arc_outline.h"
#include "shapes/arc_pie.h"
#include "shapes/auto_shape_templ.h"
#include "shapes/group.h"
#include "shapes/point.h"
#include "shapes/poly.h"
#include "shapes/poly_outline.h"
#include "shapes/rect.h"
#include "support/stored_record.h"

namespace {

const QString kSourceName = QStringLiteral("Source");

// What every component record holds, set away from the defaults, plus an identity that a
// clone must not take.
void Decorate(CQarnComponent& c) {
    c.SetStyle(0x0150C00Fu);
    c.SetState(0x21);
    c.SetRotateAngle(30.0f);
    c.SetRotateCenter(PointF(3, 4));
    c.SetShapeID(18227);
    c.SetLineWidth(3.5f);
    c.SetFillColor(Color(0xFF336699u));
    auto* text = new CQarnTextProperty();
    text->SetText(QStringLiteral("inside"));
    c.AddProperty(text);
    c.AddProperty(new CQarnArrowProperty());
    c.SetID(41);
    c.SetName(kSourceName);
}

// The clone is a distinct object of the source's class whose record equals the source's
// once it is given the source's id and name (which cloning leaves behind), with properties of
// its own.
void ExpectFaithfulClone(CQarnComponent& source) {
    SCOPED_TRACE(source.GetRuntimeClass()->m_lpszClassName);
    std::unique_ptr<CQarnComponent> clone(source.Clone(nullptr));
    ASSERT_NE(clone, nullptr);
    ASSERT_NE(clone.get(), &source);
    EXPECT_EQ(clone->GetRuntimeClass(), source.GetRuntimeClass());

    EXPECT_EQ(clone->GetID(), CQarnComponent::kNoID);
    // A template is named by its template name, which is content; others by their own name.
    if (!clone->IsKindOf(RUNTIME_CLASS(CQarnAutoShapeTempl))) {
        EXPECT_NE(clone->GetName(), kSourceName);
    }
    clone->SetID(source.GetID());
    clone->SetName(kSourceName);
    EXPECT_EQ(StoredRecord(*clone).toHex().toStdString(),
              StoredRecord(source).toHex().toStdString());
    EXPECT_TRUE(clone->GetRotateCenter().Equals(source.GetRotateCenter()));

    const PropertyList& mine = clone->GetPropList();
    const PropertyList& theirs = source.GetPropList();
    ASSERT_EQ(mine.size(), theirs.size());
    for (qsizetype i = 0; i < mine.size(); ++i) {
        EXPECT_NE(mine[i], theirs[i]);
        EXPECT_EQ(mine[i]->GetRuntimeClass(), theirs[i]->GetRuntimeClass());
        EXPECT_EQ(mine[i]->GetRefCount(), 1);
    }
}

void AddPoints(CQarnPoly& poly, std::initializer_list<PointF> points) {
    for (const PointF& p : points) {
        poly.AddPoint(p);
    }
}

template <class Shape>
std::unique_ptr<Shape> Decorated(std::unique_ptr<Shape> shape) {
    Decorate(*shape);
    return shape;
}

}  // namespace

TEST(ComponentCloneTest, EveryClassClonesToItsClassWithTheSameRecord) {
    const RectF frame(10, 20, 120, 60);

    ExpectFaithfulClone(*Decorated(std::make_unique<CQarnComponent>(frame)));

    auto rect = Decorated(std::make_unique<CQarnRect>(frame));
    rect->SetShapeID(18070);
    rect->SetCornerSize(22, 14);
    ExpectFaithfulClone(*rect);

    auto point = Decorated(std::make_unique<CQarnPoint>(PointF(5, 5)));
    point->SetMarkerStyle(6);
    point->SetMarkerRadius(4.5f);
    ExpectFaithfulClone(*point);

    auto poly = Decorated(std::make_unique<CQarnPoly>(frame));
    AddPoints(*poly, {PointF(10, 20), PointF(130, 20), PointF(70, 80)});
    poly->SetPolyStyle(1);
    poly->SetTension(0.8f);
    poly->SetCornerRadius(6);
    ExpectFaithfulClone(*poly);

    auto outline = Decorated(std::make_unique<CQarnPolyOutline>(frame));
    AddPoints(*outline, {PointF(10, 20), PointF(130, 80)});
    outline->SetOutlineWidth(14);
    ExpectFaithfulClone(*outline);

    auto arc = Decorated(std::make_unique<CQarnArcPie>(frame));
    arc->SetGeometry(RectF(0, 0, 200, 100), PointF(200, 50), PointF(100, 0));
    ExpectFaithfulClone(*arc);

    auto arcOutline = Decorated(std::make_unique<CQarnArcOutline>(frame));
    arcOutline->SetOutlineWidth(7);
    ExpectFaithfulClone(*arcOutline);

    ExpectFaithfulClone(*Decorated(std::make_unique<CQarnGroup>(frame)));

    auto templ = Decorated(std::make_unique<CQarnAutoShapeTempl>());
    templ->SetTemplateID(4711);
    templ->SetTemplateName(QStringLiteral("Valve"));
    templ->SetTextPosition(RectF(1, 2, 3, 4));
    templ->SetStandardAnchors(true);
    templ->AddAnchorPoint(PointF(7, 8), 2);
    templ->AddComponent(new CQarnRect(RectF(0, 0, 30, 30)));
    ExpectFaithfulClone(*templ);

    auto anchor = Decorated(std::make_unique<CQarnAnchorPoint>(PointF(40, 50)));
    anchor->SetDirection(8);
    ExpectFaithfulClone(*anchor);

    auto connector = Decorated(std::make_unique<CQarnConnector>(frame));
    connector->SetConnectorType(4);
    ExpectFaithfulClone(*connector);

    // The placeholder connector writes nothing; its clone stays a placeholder with the points.
    auto placeholder = Decorated(std::make_unique<CQarnMConnector>(frame));
    AddPoints(*placeholder, {PointF(1, 2), PointF(3, 4)});
    ExpectFaithfulClone(*placeholder);
    std::unique_ptr<CQarnComponent> copy(placeholder->Clone(nullptr));
    EXPECT_EQ(static_cast<CQarnPoly*>(copy.get())->GetPointCount(), 2);
}

TEST(ComponentCloneTest, AClonePutInALayerGoesAtItsEnd) {
    CQarnLayer layer;
    auto* first = new CQarnPoint(PointF(1, 1));
    auto* second = new CQarnArcPie(RectF(0, 0, 50, 50));
    layer.AddTail(first);
    layer.AddTail(second);
    CQarnComponent* clone = first->Clone(&layer);
    ASSERT_EQ(layer.GetCount(), 3);
    EXPECT_EQ(layer.GetTail(), clone);
    EXPECT_EQ(clone->GetLayer(), &layer);
    EXPECT_EQ(clone->GetIndexInContainer(), 3);
    EXPECT_EQ(clone->GetRuntimeClass(), RUNTIME_CLASS(CQarnPoint));
}
