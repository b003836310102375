// The catalogue page: every registered shape kind twice, saved as a document and opened
// again unchanged, and exported to SVG that rsvg-convert renders as the page draws it.
#include <gtest/gtest.h>

#include <QImage>
#include <QMap>
#include <QTemporaryDir>

#include "catalogue_page.h"
#include "core/canvas.h"
#include "core/configuration.h"
#include "core/custom_config.h"
#include "core/doc.h"
#include "core/layer.h"
#include "export/page_renderer.h"
#include "platform/graphics_path.h"
#include "support/image_difference.h"
#include "support/svg_witness.h"

namespace {

// The page's layer notice is drawn on screen only; the tests compare what is exported.
class CataloguePageTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_nLayerInfo = Qarn::GetConfig()->m_nShowLayerInfo;
        Qarn::GetConfig()->m_nShowLayerInfo = 0;
        ASSERT_TRUE(m_Doc.OnNewDocument());
        m_nKinds = Qarn::Examples::FillCataloguePage(m_Doc);
    }
    void TearDown() override { Qarn::GetConfig()->m_nShowLayerInfo = m_nLayerInfo; }

    QImage Draw(CQarnDoc& doc) { return CPageRenderer::ToImage(doc, doc.GetCurrentCanvas(), 100); }

    CQarnDoc m_Doc;
    int m_nKinds = 0;
    int m_nLayerInfo = 0;
};

}  // namespace

TEST_F(CataloguePageTest, HoldsEveryKindAsMadeAndWithItsHandlesMoved) {
    const QList<int> ids = Qarn::Examples::CatalogueShapeIds();
    ASSERT_GE(ids.size(), 19);
    EXPECT_EQ(m_nKinds, ids.size());
    // Two shapes of each kind and a caption each; the captions are plain rectangles.
    QMap<int, int> counts;
    QList<CQarnComponent*> shapes;
    for (CQarnComponent* c : m_Doc.GetCurrentCanvas()->GetCurrentLayer()->GetList()) {
        ++counts[c->GetShapeID()];
        shapes.append(c);
    }
    ASSERT_EQ(shapes.size(), 3 * m_nKinds);
    for (int k = 0; k < m_nKinds; ++k) {
        CQarnComponent* made = shapes[3 * k];
        CQarnComponent* moved = shapes[3 * k + 1];
        EXPECT_EQ(made->GetShapeID(), ids[k]);
        EXPECT_EQ(moved->GetShapeID(), ids[k]);
        // Moved handles change the outline of every kind that has them.
        if (made->GetFreeHandleCount() > 0) {
            made->ResetPath();
            moved->ResetPath();
            const std::vector<PointF>& a = made->GetPath()->Points();
            const std::vector<PointF>& b = moved->GetPath()->Points();
            const float dx = moved->GetRectF().X - made->GetRectF().X;
            bool same = a.size() == b.size();
            for (size_t i = 0; same && i < a.size(); ++i) {
                same = a[i].Equals(PointF(b[i].X - dx, b[i].Y));
            }
            EXPECT_FALSE(same) << ids[k];
        }
    }
    // Everything lies on the page.
    const CQarnCanvas* page = m_Doc.GetCurrentCanvas();
    for (CQarnComponent* c : shapes) {
        const CRect r = c->GetBoundRect(true);
        EXPECT_GE(r.left, 0);
        EXPECT_GE(r.top, 0);
        EXPECT_LE(r.right, page->GetWidth());
        EXPECT_LE(r.bottom, page->GetHeight());
    }
}

TEST_F(CataloguePageTest, TheSavedDocumentOpensAsItWasDrawn) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("catalogue.met"));
    QString error;
    ASSERT_TRUE(m_Doc.OnSaveDocument(path, &error)) << error.toStdString();
    CQarnDoc opened;
    ASSERT_TRUE(opened.OnOpenDocument(path, &error)) << error.toStdString();
    EXPECT_EQ(Draw(opened), Draw(m_Doc));
}

TEST_F(CataloguePageTest, RsvgRendersTheExportedPageAsItDraws) {
    if (RsvgConvertPath().isEmpty()) {
        GTEST_SKIP() << "rsvg-convert is missing (librsvg2-bin)";
    }
    QTemporaryDir dir;
    const QString svg = dir.filePath(QStringLiteral("catalogue.svg"));
    QString error;
    ASSERT_TRUE(m_Doc.ExportToSVG(svg, nullptr, 0, &error)) << error.toStdString();
    ExpectSvgWitnessesAccept(svg);
    const QImage theirs = RenderWithRsvg(svg);
    ASSERT_FALSE(theirs.isNull());
    const QImage ours = Draw(m_Doc);
    ASSERT_EQ(theirs.size(), ours.size());
    const ImageDifference d = CompareImages(ours, theirs, ImageDifference::kStrongThreshold);
    RecordProperty("strong_difference_share", testing::PrintToString(d.share));
    RecordProperty("mean_difference", testing::PrintToString(d.mean));
    EXPECT_TRUE(d.WithinSvgTolerance()) << "share " << d.share << ", mean " << d.mean;
    if (!d.WithinSvgTolerance()) {
        ours.save(QStringLiteral("/tmp/catalogue_ours.png"));
        theirs.save(QStringLiteral("/tmp/catalogue_rsvg.png"));
    }
    // The measure sees a page with the moved shapes left out.
    CQarnLayer* layer = m_Doc.GetCurrentCanvas()->GetCurrentLayer();
    const ComponentList all = layer->GetList();
    for (int i = 1; i < all.size(); i += 3) {
        m_Doc.Remove(all[i]);
    }
    const ImageDifference missing =
        CompareImages(Draw(m_Doc), theirs, ImageDifference::kStrongThreshold);
    EXPECT_FALSE(missing.WithinSvgTolerance());
    for (int i = 1; i < all.size(); i += 3) {
        delete all[i];
    }
}
