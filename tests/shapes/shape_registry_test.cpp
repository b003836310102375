#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "core/rect_geometry.h"
#include "shapes/arc_pie.h"
#include "shapes/point.h"
#include "shapes/rect.h"
#include "shapes/shape_ids.h"
#include "shapes/shape_registry.h"

namespace {

std::unique_ptr<CQarnComponent> Create(int shapeId, const RectF& rect = RectF(5, 6, 70, 40)) {
    return std::unique_ptr<CQarnComponent>(Qarn::CreateShape(shapeId, rect));
}

// Ids no real kind uses; the registry is process-wide.
constexpr int kWordFirstId = 990001;
constexpr int kKindFirstId = 990002;
constexpr int kUnknownId = 990099;

}  // namespace

TEST(ShapeRegistryTest, EveryKindMakesItsClassOnTheRectangleWithItsIdAndWord) {
    const struct {
        int shapeId;
        const CRuntimeClass* runtimeClass;
        const char* word;
    } primitives[] = {
        {Qarn::kShapeEllipse, RUNTIME_CLASS(CQarnRect), "Ellipse"},
        {Qarn::kShapeRectangle, RUNTIME_CLASS(CQarnRect), "Rectangle"},
        {Qarn::kShapeRoundRectangle, RUNTIME_CLASS(CQarnRect), "RoundRectangle"},
        {Qarn::kShapeArc, RUNTIME_CLASS(CQarnArcPie), "Arc"},
        {Qarn::kShapeChord, RUNTIME_CLASS(CQarnArcPie), "Chord"},
        {Qarn::kShapePie, RUNTIME_CLASS(CQarnArcPie), "Pie"},
    };
    for (const auto& p : primitives) {
        SCOPED_TRACE(p.shapeId);
        const CQarnShapeKind* kind = Qarn::FindShapeKind(p.shapeId);
        ASSERT_NE(kind, nullptr);
        EXPECT_EQ(kind->runtimeClass, p.runtimeClass);
        EXPECT_EQ(Qarn::GetShapeKindWord(p.shapeId), QString::fromLatin1(p.word));
    }
    // Whatever registers later is held to the same rules.
    const QList<int> ids = Qarn::GetShapeKindIDs();
    EXPECT_TRUE(std::is_sorted(ids.begin(), ids.end()));
    for (int id : ids) {
        SCOPED_TRACE(id);
        const CQarnShapeKind* kind = Qarn::FindShapeKind(id);
        std::unique_ptr<CQarnComponent> made = Create(id);
        if (!kind->CanCreate()) {
            EXPECT_EQ(made, nullptr);
            continue;
        }
        ASSERT_NE(made, nullptr);
        EXPECT_EQ(made->GetRuntimeClass(), kind->runtimeClass);
        EXPECT_EQ(made->GetShapeID(), id);
        // On the rectangle; a mirrored kind (a right bracket) covers it with a negative width.
        RectF area = made->GetRectF();
        Qarn::NormalizeRectF(area);
        EXPECT_TRUE(area.Equals(RectF(5, 6, 70, 40)));
        EXPECT_EQ(made->GetLayer(), nullptr);
    }
}

TEST(ShapeRegistryTest, EachIdGetsItsSettingsAfterConstruction) {
    // The open arc is a line only; chord and pie keep the fill, and nothing else differs.
    EXPECT_EQ(Create(Qarn::kShapeArc)->GetStyle(), Create(Qarn::kShapePie)->GetStyle() & ~0x2u);
    EXPECT_TRUE(Create(Qarn::kShapeChord)->GetFill());
    // The rectangle's constructor makes a rectangle; the id decides which of the three it is.
    auto ellipse = Create(Qarn::kShapeEllipse);
    EXPECT_EQ(ellipse->GetShapeID(), Qarn::kShapeEllipse);
    EXPECT_FLOAT_EQ(static_cast<CQarnRect*>(ellipse.get())->GetCornerWidth(), 16.0f);
    EXPECT_TRUE(static_cast<CQarnRect*>(Create(Qarn::kShapeRoundRectangle).get())->IsRoundRect());
}

TEST(ShapeRegistryTest, AnIdWithoutAClassMakesNothing) {
    EXPECT_EQ(Qarn::FindShapeKind(kUnknownId), nullptr);
    EXPECT_EQ(Create(kUnknownId), nullptr);
    EXPECT_EQ(Create(0), nullptr);
    EXPECT_TRUE(Qarn::GetShapeKindWord(kUnknownId).isEmpty());
}

TEST(ShapeRegistryTest, NamesAreMadeFromTheRegisteredWord) {
    auto arc = Create(Qarn::kShapeArc);
    arc->SetID(5);
    EXPECT_EQ(arc->GetName(), QStringLiteral("Arc-5"));
    auto ellipse = Create(Qarn::kShapeEllipse);
    ellipse->SetID(7);
    EXPECT_EQ(ellipse->GetName(), QStringLiteral("CQarnRect-Ellipse-7"));
    // A word registered ahead of its class names any component with the id.
    CQarnPoint point(RectF(0, 0, 6, 6));
    point.SetShapeID(18230);
    point.SetID(2);
    EXPECT_EQ(point.GetName(), QStringLiteral("RoundedRect-2"));
    // The rectangle names only its own kinds.
    CQarnRect rect(RectF(0, 0, 10, 10));
    rect.SetShapeID(Qarn::kShapeAutoRectangle);
    EXPECT_EQ(rect.GetName(), QStringLiteral("error"));
    rect.SetShapeID(Qarn::kShapePie);
    EXPECT_EQ(rect.GetName(), QStringLiteral("error"));
}

TEST(ShapeRegistryTest, AnIdKeepsItsFirstKindAndAKindTakesOverAWord) {
    CQarnShapeKind other;
    other.shapeId = Qarn::kShapePie;
    other.runtimeClass = RUNTIME_CLASS(CQarnPoint);
    other.factory = [](const RectF& r) -> CQarnComponent* { return new CQarnPoint(r); };
    EXPECT_FALSE(Qarn::RegisterShapeKind(other));
    EXPECT_FALSE(Qarn::RegisterShapeKindWord(Qarn::kShapePie, "Other"));
    EXPECT_EQ(Create(Qarn::kShapePie)->GetRuntimeClass(), RUNTIME_CLASS(CQarnArcPie));
    other.shapeId = kUnknownId;
    other.factory = nullptr;
    EXPECT_FALSE(Qarn::RegisterShapeKind(other));
    EXPECT_EQ(Qarn::FindShapeKind(kUnknownId), nullptr);

    // The word first, then the class with its settings.
    EXPECT_TRUE(Qarn::RegisterShapeKindWord(kWordFirstId, "Early"));
    EXPECT_TRUE(Qarn::RegisterShapeKind<CQarnPoint>(kWordFirstId, "Marker",
                                                    [](CQarnPoint& p) { p.SetMarkerStyle(6); }));
    EXPECT_EQ(Qarn::GetShapeKindWord(kWordFirstId), QStringLiteral("Marker"));
    auto made = Create(kWordFirstId);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(static_cast<CQarnPoint*>(made.get())->GetMarkerStyle(), 6);
    // The class first: a later word changes nothing.
    EXPECT_TRUE(Qarn::RegisterShapeKind<CQarnPoint>(kKindFirstId, nullptr));
    EXPECT_FALSE(Qarn::RegisterShapeKindWord(kKindFirstId, "Late"));
    EXPECT_TRUE(Qarn::GetShapeKindWord(kKindFirstId).isEmpty());
}
