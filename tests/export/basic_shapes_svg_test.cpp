// A page of every basic auto shape, every other one with its handle moved, exported as SVG
// and rendered by rsvg-convert, against the page as the program draws it. With
// QARN_BASIC_SHAPES_PNG set to a path, both renderings are kept there for a person to look at.
#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include "core/canvas.h"
#include "core/configuration.h"
#include "core/custom_config.h"
#include "core/doc.h"
#include "export/page_renderer.h"
#include "shapes/catalogue_ids.h"
#include "shapes/shape_base.h"
#include "shapes/shape_registry.h"
#include "support/image_difference.h"
#include "support/svg_witness.h"

namespace {

constexpr int kColumns = 6;
constexpr float kCellWidth = 120;
constexpr float kCellHeight = 90;

void BuildPage(CQarnDoc& doc) {
    const std::vector<int>& ids = BasicCatalogueIds();
    const int count = int(ids.size());
    doc.GetCurrentCanvas()->SetSize(int(kColumns * kCellWidth),
                                    int((count + kColumns - 1) / kColumns * kCellHeight));
    for (int i = 0; i < count; ++i) {
        const RectF frame(float(i % kColumns) * kCellWidth + 10,
                          float(i / kColumns) * kCellHeight + 15, 100, 60);
        auto* shape = static_cast<CQarnShapeBase*>(Qarn::CreateShape(ids[size_t(i)], frame));
        ASSERT_NE(shape, nullptr) << ids[size_t(i)];
        shape->SetFillColor(Color(0xFFF0B040u));
        shape->SetLineColor(Color(0xFF203060u));
        shape->SetLineWidth(2);
        shape->UpdateRotateCenter();
        // Every other shape with its first handle dragged towards the frame's middle.
        if (i % 2 == 1 && shape->GetFreeHandleCount() > 0) {
            const int number = shape->GetHandleCount() - shape->GetFreeHandleCount() + 1;
            shape->MoveHandleTo(number, shape->GetCenterPointF(), 0);
        }
        shape->ResetPath();
        doc.AddTail(shape);
    }
}

}  // namespace

TEST(BasicShapesSvgTest, RsvgRendersTheExportedShapesAsThePageDraws) {
    if (RsvgConvertPath().isEmpty()) {
        GTEST_SKIP() << "rsvg-convert is missing (librsvg2-bin)";
    }
    CCustomConfig* config = Qarn::GetConfig();
    const int layerInfo = config->m_nShowLayerInfo;
    config->m_nShowLayerInfo = 0;
    CQarnDoc doc;
    ASSERT_TRUE(doc.OnNewDocument());
    BuildPage(doc);
    QTemporaryDir dir;
    const QString svg = dir.filePath(QStringLiteral("shapes.svg"));
    QString error;
    ASSERT_TRUE(doc.ExportToSVG(svg, nullptr, 0, &error)) << error.toStdString();
    ExpectSvgWitnessesAccept(svg);
    const QImage theirs = RenderWithRsvg(svg);
    ASSERT_FALSE(theirs.isNull());
    const QImage ours = CPageRenderer::ToImage(doc, doc.GetCurrentCanvas(), 100);
    config->m_nShowLayerInfo = layerInfo;
    ASSERT_EQ(theirs.size(), ours.size());
    // The tolerance of the page fidelity test: anti-aliased edges may differ.
    const ImageDifference d = CompareImages(ours, theirs, 96);
    EXPECT_LT(d.share, 0.03) << "mean " << d.mean;
    EXPECT_LT(d.mean, 3.0) << "share " << d.share;
    const QByteArray keep = qgetenv("QARN_BASIC_SHAPES_PNG");
    if (!keep.isEmpty()) {
        ours.save(QString::fromLocal8Bit(keep) + QStringLiteral("-ours.png"));
        theirs.save(QString::fromLocal8Bit(keep) + QStringLiteral("-rsvg.png"));
    }
}
