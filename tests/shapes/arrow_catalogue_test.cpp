// Every block arrow of the catalogue, by its shape id, at 200 x 120: its class, name, handles
// and anchors; an outline that stays sound in any frame and wherever its handles are dragged;
// hit tests through a turn and a mirror; and a record that reads back to the same bytes.
#include <gtest/gtest.h>

#include <QString>

#include "core/component_style.h"
#include "shapes/arrow_fixtures.h"
#include "shapes/shape_fixtures.h"

namespace {

QString ExpectedName(const ArrowId& id) {
    switch (id.shapeId) {
        case 18211:
            return QStringLiteral("BlockArc-3");
        case 18272:
            return QStringLiteral("ArrowCallout-3");
        case 18273:
            return QStringLiteral("DoubleArrowCallout-3");
        default:
            return QString::fromLatin1(id.className).mid(10) + QStringLiteral("-3");
    }
}

// A point well inside the outline and one well outside it (both inside the frame): all their
// neighbours three units away are on the same side.
bool FindSides(CQarnComponent& c, PointF& inside, PointF& outside) {
    c.ResetPath();
    const GraphicsPath& path = *c.GetPath();
    const RectF r = c.GetRectF();
    const auto all = [&](PointF p, bool in) {
        for (PointF d : {PointF(0, 0), PointF(3, 0), PointF(-3, 0), PointF(0, 3), PointF(0, -3)}) {
            if (bool(path.IsVisible(p + d)) != in) {
                return false;
            }
        }
        return true;
    };
    bool foundIn = false;
    bool foundOut = false;
    for (float y = r.Y + 4; y < r.Y + r.Height - 3; y += 4) {
        for (float x = r.X + 4; x < r.X + r.Width - 3; x += 4) {
            if (!foundIn && all(PointF(x, y), true)) {
                inside = PointF(x, y);
                foundIn = true;
            }
            if (!foundOut && all(PointF(x, y), false)) {
                outside = PointF(x, y);
                foundOut = true;
            }
        }
    }
    return foundIn && foundOut;
}

}  // namespace

TEST(ArrowCatalogueTest, EveryIdMakesItsClassWithItsNameHandlesAndAnchors) {
    for (const ArrowId& id : ArrowIds()) {
        SCOPED_TRACE(id.shapeId);
        auto arrow = CreateArrow(id.shapeId);
        ASSERT_NE(arrow, nullptr);
        EXPECT_STREQ(arrow->GetRuntimeClass()->m_lpszClassName, id.className);
        EXPECT_EQ(arrow->GetShapeID(), id.shapeId);
        arrow->SetID(3);
        EXPECT_EQ(arrow->GetName(), ExpectedName(id));
        // The frame's eight handles, then the free handles as adjust handles where they are.
        EXPECT_EQ(arrow->GetFreeHandleCount(), id.freeHandles);
        EXPECT_EQ(arrow->GetHandleCount(), 8 + id.freeHandles);
        for (int k = 0; k < id.freeHandles; ++k) {
            const std::optional<CQarnHandle> h = arrow->FindHandle(9 + k);
            ASSERT_TRUE(h.has_value());
            EXPECT_EQ(h->kind, QarnHandleKind::Adjust);
            ExpectPointNear(arrow->GetHandle(9 + k, 0), arrow->GetFreeHandle(k));
        }
        // The anchors are the frame's: the middles of its edges and its centre.
        const PointF anchors[] = {{100, 0}, {200, 60}, {100, 120}, {0, 60}, {100, 60}};
        ASSERT_EQ(arrow->GetAnchorCount(), 5);
        for (int a = 1; a <= 5; ++a) {
            ExpectPointNear(arrow->GetAnchorPoint(a), anchors[a - 1]);
        }
    }
}

TEST(ArrowCatalogueTest, EveryOutlineIsSoundInAnyFrame) {
    const RectF frames[] = {ArrowFrame(),
                            RectF(200, 0, -200, 120),
                            RectF(0, 120, 200, -120),
                            RectF(200, 120, -200, -120),
                            RectF(0, 0, 40, 300),
                            RectF(5, 5, 1, 1)};
    for (const ArrowId& id : ArrowIds()) {
        for (const RectF& frame : frames) {
            SCOPED_TRACE(::testing::Message() << id.shapeId << " in " << frame.X << ", " << frame.Y
                                              << ", " << frame.Width << ", " << frame.Height);
            auto arrow = CreateArrow(id.shapeId, frame);
            ASSERT_NE(arrow, nullptr);
            ExpectSoundOutline(*arrow, "as created");
        }
        // Without width or height nothing is undefined, and the outline stays on the line.
        for (const RectF& flat :
             {RectF(10, 10, 0, 50), RectF(10, 10, 50, 0), RectF(10, 10, 0, 0)}) {
            auto arrow = CreateArrow(id.shapeId, flat);
            ASSERT_NE(arrow, nullptr);
            for (const auto& figure : OutlineFigures(*arrow)) {
                for (const PointF& p : figure) {
                    EXPECT_TRUE(std::isfinite(p.X) && std::isfinite(p.Y)) << id.shapeId;
                    EXPECT_TRUE(p.X >= 9.99f && p.X <= 10.01f + flat.Width && p.Y >= 9.99f &&
                                p.Y <= 10.01f + flat.Height)
                        << id.shapeId << ": " << p.X << ", " << p.Y;
                }
            }
        }
    }
}

TEST(ArrowCatalogueTest, HandlesDraggedBeyondEitherEndStayInTheirPlacesAndTheOutlineSound) {
    const PointF far[] = {{-1000, -1000}, {1000, 1000}, {-1000, 1000}, {1000, -1000}, {100, 60}};
    for (const ArrowId& id : ArrowIds()) {
        auto arrow = CreateArrow(id.shapeId);
        ASSERT_NE(arrow, nullptr);
        for (int k = 0; k < id.freeHandles; ++k) {
            for (const PointF& to : far) {
                SCOPED_TRACE(::testing::Message()
                             << id.shapeId << " handle " << k << " to " << to.X << ", " << to.Y);
                const CQarnHandleConstraint allowed = arrow->FindHandle(9 + k)->constraint;
                ASSERT_EQ(arrow->MoveHandleTo(9 + k, to, 0), 1);
                const PointF at = arrow->GetFreeHandle(k);
                ExpectPointNear(allowed.Apply(at), at);
                EXPECT_TRUE(at.X >= 0 && at.X <= 200 && at.Y >= 0 && at.Y <= 120);
                ExpectSoundOutline(*arrow, "dragged", false);
            }
        }
        // Handles stored anywhere (as a record may hold them) still draw a sound outline.
        for (int k = 0; k < id.freeHandles; ++k) {
            arrow->SetFreeHandle(PointF(-500.0f + 300 * k, 900), k);
        }
        ExpectSoundOutline(*arrow, "stored outside", false);
    }
}

TEST(ArrowCatalogueTest, TurnedAndMirroredArrowsAreHitWhereTheyShow) {
    for (const ArrowId& id : ArrowIds()) {
        SCOPED_TRACE(id.shapeId);
        auto arrow = CreateArrow(id.shapeId);
        ASSERT_NE(arrow, nullptr);
        PointF inside;
        PointF outside;
        ASSERT_TRUE(FindSides(*arrow, inside, outside));
        EXPECT_TRUE(arrow->HitTest(inside, 0.5f));
        EXPECT_FALSE(arrow->HitTest(outside, 0.5f));

        arrow->RotateAt(30, arrow->GetCenterPointF(), 1);
        arrow->Flip(QARN_STYLE_HORIFLIP, arrow->GetCenterPointF(), 0);
        PointF shown[] = {inside, outside};
        arrow->TransformPoints(shown, 2);
        EXPECT_TRUE(arrow->HitTest(shown[0], 0.5f));
        EXPECT_FALSE(arrow->HitTest(shown[1], 0.5f));
    }
}

TEST(ArrowCatalogueTest, RecordsAndClonesKeepEveryByte) {
    for (const ArrowId& id : ArrowIds()) {
        SCOPED_TRACE(id.shapeId);
        auto arrow = CreateArrow(id.shapeId);
        ASSERT_NE(arrow, nullptr);
        for (int k = 0; k < id.freeHandles; ++k) {
            arrow->MoveHandleTo(9 + k, PointF(70.0f - 10 * k, 20.0f + 5 * k), 0);
        }
        const QByteArray bytes = WriteOne(arrow.get());
        auto back = ReadOne<CQarnShapeBase>(bytes);
        ASSERT_NE(back, nullptr);
        EXPECT_STREQ(back->GetRuntimeClass()->m_lpszClassName, id.className);
        EXPECT_EQ(WriteOne(back.get()), bytes);
        EXPECT_TRUE(SamePoints(Corners(*back), Corners(*arrow)));
        std::unique_ptr<CQarnComponent> clone(arrow->Clone(nullptr));
        EXPECT_EQ(WriteOne(clone.get()), bytes);
    }
}
