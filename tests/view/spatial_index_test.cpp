// The spatial index answers what the document answers, looking only at what is near.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <random>

#include "core/component.h"
#include "platform/runtime_class.h"
#include "support/mixed_page.h"
#include "view/hit_shape.h"
#include "view/layer_index.h"
#include "view/spatial_index.h"
#include "view_fixtures.h"

namespace {

using SpatialIndexTest = ViewTest;

}  // namespace

TEST_F(SpatialIndexTest, HitTestsAgreeWithTheDocumentOnAMixedPage) {
    Qarn::Bench::FillMixedPage(*doc, 300, 7);
    CQarnLayer* upper = AddLayer();
    CQarnRect* onTop = AddBox(RectF(400, 500, 100, 100), upper);
    view->OnUpdate(nullptr, 0, nullptr);
    std::mt19937 random(11);
    std::uniform_int_distribution<int> x(0, 850), y(0, 1100);
    int hits = 0;
    for (int i = 0; i < 200; ++i) {
        const CPoint p(x(random), y(random));
        CQarnComponent* expected = doc->ObjectAt(p, view.get());
        EXPECT_EQ(view->ObjectAt(p), expected)
            << p.x << "," << p.y << " "
            << (expected != nullptr ? expected->GetRuntimeClass()->m_lpszClassName : "nothing");
        hits += expected != nullptr ? 1 : 0;
    }
    EXPECT_GT(hits, 100);  // the page is covered enough for the test to mean something
    EXPECT_EQ(view->ObjectAt(CPoint(450, 550)), onTop);
    upper->SetVisible(false);
    EXPECT_NE(view->ObjectAt(CPoint(450, 550)), onTop);
}

TEST_F(SpatialIndexTest, QueriesComeInDrawingOrderLayerByLayer) {
    CQarnRect* first = AddBox(RectF(10, 10, 100, 100));
    CQarnRect* second = AddBox(RectF(50, 50, 100, 100));
    CQarnLayer* upper = AddLayer();
    CQarnRect* third = AddBox(RectF(0, 0, 30, 30), upper);
    CQarnRect* fourth = AddBox(RectF(60, 60, 10, 10));  // current layer is now the upper one
    // Put one in front of the first on the lower layer.
    auto* front = new CQarnRect(RectF(70, 70, 5, 5));
    front->ResetPath();
    doc->Add(front, first, Layer0());
    CQarnSpatialIndex index;
    index.Rebuild(doc->GetCurrentCanvas());
    index.PrepareForQueries();
    std::vector<CQarnComponent*> found;
    index.Query(CRect(0, 0, 200, 200), found);
    EXPECT_EQ(found, (std::vector<CQarnComponent*>{front, first, second, third, fourth}));
    found.clear();
    index.Query(CRect(140, 140, 145, 145), found);
    EXPECT_EQ(found, std::vector<CQarnComponent*>{second});
}

TEST_F(SpatialIndexTest, TheIndexFollowsAddsMovesAndRemovals) {
    CQarnRect* a = AddBox(RectF(10, 10, 20, 20));
    const CQarnSpatialIndex& index = view->GetIndex();
    EXPECT_EQ(index.Size(), 1);
    a->MoveTo(RectF(500, 400, 20, 20), MoveFlags::Invalidate);
    std::vector<CQarnComponent*> found;
    index.PrepareForQueries();
    index.Query(CRect(0, 0, 100, 100), found);
    EXPECT_TRUE(found.empty());
    index.Query(CRect(505, 405, 506, 406), found);
    EXPECT_EQ(found, std::vector<CQarnComponent*>{a});
    std::unique_ptr<CQarnComponent> out = doc->TakeOut(a);
    EXPECT_EQ(index.Size(), 0);
    doc->PutBack(std::move(out), nullptr, nullptr);
    EXPECT_EQ(index.Size(), 1);
}

TEST_F(SpatialIndexTest, ALayerIndexKeepsOrderWhenComponentsArriveOnTop) {
    CQarnLayer* layer = Layer0();
    CQarnLayerIndex index(layer);
    index.Rebuild();
    std::vector<CQarnRect*> boxes;
    for (int i = 0; i < 5; ++i) {
        boxes.push_back(AddBox(RectF(float(i), 0, 10, 10)));
        index.Insert(boxes.back(), boxes.back()->GetBoundCache());
    }
    index.PrepareOrder();
    std::vector<CQarnComponent*> found;
    index.Query(CRect(0, 0, 20, 20), found);
    ASSERT_EQ(found.size(), 5u);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(found[size_t(i)], boxes[size_t(i)]);
    }
    index.Erase(boxes[2]);
    EXPECT_FALSE(index.Contains(boxes[2]));
    EXPECT_EQ(index.Size(), 4);
}

TEST_F(SpatialIndexTest, QuickHitAnswersNeverContradictTheShapesOwnTest) {
    // Rectangles, ellipses, arcs and pies, turned and not, filled and not, thin and thick.
    Qarn::Bench::FillMixedPage(*doc, 300, 21);
    int n = 0;
    for (CQarnComponent* c : Layer0()->GetList()) {
        if (!CQarnHitShape::Applies(c)) {
            continue;
        }
        if (++n % 3 == 0) {
            c->RotateAt(float(n % 90), c->GetCenterPointF(), 0);
        }
        c->SetFill(n % 4 != 0);
        const CRect bounds = c->GetBoundRect(false);
        const CQarnHitShape shape = CQarnHitShape::Make(c, bounds);
        int sure = 0;
        for (int y = bounds.top - 2; y <= bounds.bottom + 2; y += 2) {
            for (int x = bounds.left - 2 + (y & 2) / 2; x <= bounds.right + 2; x += 2) {
                const CQarnHitShape::Answer answer = shape.Test(c, CPoint(x, y));
                if (answer == CQarnHitShape::Unsure) {
                    continue;
                }
                ++sure;
                const bool hit = c->Intersects(CRect(x, y, x + 1, y + 1), nullptr) != 0;
                ASSERT_EQ(answer == CQarnHitShape::Yes, hit)
                    << c->GetRuntimeClass()->m_lpszClassName << " at " << x << "," << y;
            }
        }
        EXPECT_GT(sure, 0);
        if (n > 16) {
            break;
        }
    }
}
