// Pages holding symbols and parametric shapes as SVG: well-formed, rendered by rsvg-convert as
// the page draws, each instance a group of its template's elements with its shadow apart.
#include <gtest/gtest.h>

#include <QDomDocument>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>

#include "export/page_renderer.h"
#include "properties/shadow_property.h"
#include "shapes/catalogue/cube.h"
#include "shapes/catalogue/star.h"
#include "shapes/symbol_fixtures.h"
#include "support/svg_witness.h"

namespace {

QDomElement ChildGroup(const QDomElement& parent, const QString& id) {
    for (QDomElement g = parent.firstChildElement(QStringLiteral("g")); !g.isNull();
         g = g.nextSiblingElement(QStringLiteral("g"))) {
        if (g.attribute(QStringLiteral("id")) == id) {
            return g;
        }
    }
    return {};
}

// The share of pixels whose largest channel difference exceeds 96.
double FarShare(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    qint64 far = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row);
            const QRgb q = y.pixel(col, row);
            const int d = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                    std::abs(qBlue(p) - qBlue(q))});
            far += d > 96 ? 1 : 0;
        }
    }
    return double(far) / (double(x.width()) * x.height());
}

class AutoShapeSvgTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    CQarnDoc doc;
    InstalledTemplates installed{BoxAndDisc(7)};
    CCustomConfig* config = Qarn::GetConfig();
    int layerInfo = config->m_nShowLayerInfo;
    CQarnAutoShape* shaded = nullptr;

    void SetUp() override {
        config->m_nShowLayerInfo = 0;
        ASSERT_TRUE(doc.OnNewDocument());
        doc.GetCurrentCanvas()->SetSize(400, 250);
        shaded = PlaceInstance(doc, RectF(20, 20, 160, 80), 7);
        auto* shadow = new CQarnShadowProperty();
        shadow->SetXOffset(4);
        shadow->SetYOffset(4);
        shadow->SetColor1(Color(0xFF909090u));
        shaded->AddProperty(shadow);
        CQarnAutoShape* turned = PlaceInstance(doc, RectF(380, 20, -160, 80), 7);
        turned->RotateAt(20, turned->GetCenterPointF(), 1);
        auto* star = new CQarnShapeStar(RectF(20, 130, 100, 100));
        star->SetShapeID(18291);
        star->SetFillColor(Color(0xFFFFD040u));
        doc.AddTail(star);
        auto* cube = new CQarnShapeCube(RectF(160, 130, 140, 100));
        cube->SetShapeID(18214);
        cube->SetFillColor(Color(0xFF60A0E0u));
        doc.AddTail(cube);
        PlaceInstance(doc, RectF(320, 150, 60, 60), 99);  // its symbol is nowhere
    }
    void TearDown() override { config->m_nShowLayerInfo = layerInfo; }

    QString Export() {
        const QString path = dir.filePath(QStringLiteral("symbols.svg"));
        QString error;
        EXPECT_TRUE(doc.ExportToSVG(path, nullptr, 0, &error)) << error.toStdString();
        ExpectSvgWitnessesAccept(path);
        return path;
    }
};

}  // namespace

TEST_F(AutoShapeSvgTest, EachInstanceIsAGroupOfItsTemplatesElementsWithItsShadowApart) {
    // An instance of a single ellipse carrying the rectangle's shape id is still an ellipse.
    auto* t = new CQarnAutoShapeTempl();
    t->SetTemplateID(20);
    t->AddComponent(OwnShape(Qarn::kShapeEllipse, RectF(0, 0, 100, 100), kDiscFill));
    installed.list.append(t);
    CQarnAutoShape* round = PlaceInstance(doc, RectF(200, 200, 40, 40), 20);
    round->SetShapeID(Qarn::kShapeAutoRectangle);
    QFile file(Export());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QDomDocument svg;
    ASSERT_TRUE(svg.setContent(file.readAll()));
    const QDomElement root = svg.documentElement();
    const QString name = shaded->GetName();
    const QDomElement group = ChildGroup(root, name);
    ASSERT_FALSE(group.isNull()) << name.toStdString();
    const QDomElement shadow = ChildGroup(group, name + QStringLiteral("-shdw"));
    ASSERT_FALSE(shadow.isNull());
    EXPECT_FALSE(shadow.firstChildElement(QStringLiteral("path")).isNull());
    // The box and the disc, each in its own paint.
    const QDomNodeList paths = group.elementsByTagName(QStringLiteral("path"));
    QStringList fills;
    for (int i = 0; i < paths.size(); ++i) {
        fills << paths.at(i).toElement().attribute(QStringLiteral("fill"));
    }
    EXPECT_TRUE(fills.contains(QStringLiteral("rgb(255,0,0)"))) << fills.join(' ').toStdString();
    EXPECT_TRUE(fills.contains(QStringLiteral("rgb(0,192,0)"))) << fills.join(' ').toStdString();
    const QDomElement ellipse = ChildGroup(root, round->GetName());
    EXPECT_TRUE(ellipse.firstChildElement(QStringLiteral("rect")).isNull());
    EXPECT_FALSE(ellipse.firstChildElement(QStringLiteral("path")).isNull());
    // The star is one polygon; the cube's side is written darker.
    const QString text = svg.toString();
    EXPECT_TRUE(text.contains(QStringLiteral("<polygon")));
    EXPECT_TRUE(text.contains(QStringLiteral("rgb(76,128,179)")));
}

TEST_F(AutoShapeSvgTest, RsvgRendersThePageAsItDraws) {
    if (RsvgConvertPath().isEmpty()) {
        GTEST_SKIP() << "rsvg-convert is missing (librsvg2-bin)";
    }
    const QString path = Export();
    const QImage theirs = RenderWithRsvg(path);
    ASSERT_FALSE(theirs.isNull());
    const QImage ours = CPageRenderer::ToImage(doc, doc.GetCurrentCanvas(), 100);
    ASSERT_EQ(theirs.size(), ours.size());
    EXPECT_LT(FarShare(ours, theirs), 0.03);
    // Something plainly missing fails the same measure.
    shaded->SetInvisible(true);
    EXPECT_GT(FarShare(CPageRenderer::ToImage(doc, doc.GetCurrentCanvas(), 100), theirs), 0.03);
}
