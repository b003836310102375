// What a component writes beyond its outline: shading, text clipping and text shadows,
// pictures of texture fills saved beside the file, and the text it keeps of its export.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QBuffer>
#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "core/canvas.h"
#include "core/configuration.h"
#include "core/custom_config.h"
#include "core/doc.h"
#include "core/element.h"
#include "export/svg_number_format.h"
#include "platform/matrix.h"
#include "properties/brush_property.h"
#include "properties/shadow_property.h"
#include "properties/text_property.h"
#include "shapes/rect.h"
#include "shapes/shape_ids.h"
#include "support/svg_witness.h"

namespace {

class SvgComponentTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    CQarnDoc doc;
    CCustomConfig* config = Qarn::GetConfig();
    int savedLocally = config->m_nSaveSVGPicturesLocally;

    void SetUp() override {
        ASSERT_TRUE(doc.OnNewDocument());
        doc.GetCurrentCanvas()->SetSize(300, 200);
    }
    void TearDown() override { config->m_nSaveSVGPicturesLocally = savedLocally; }

    CQarnRect* Add(const RectF& r, ARGB fill = 0xFFFF0000u) {
        auto* box = new CQarnRect(r);
        box->SetShapeID(Qarn::kShapeRectangle);
        box->SetFillColor(Color(fill));
        box->ResetPath();
        doc.AddTail(box);
        return box;
    }
    static void AddText(CQarnComponent* c, const QString& words) {
        auto* text = new CQarnTextProperty();
        text->SetText(words);
        c->AddProperty(text);
    }
    QString Export(const QString& name = QStringLiteral("out.svg")) {
        const QString path = dir.filePath(name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QString error;
        EXPECT_TRUE(doc.ExportToSVG(path, nullptr, 0, &error)) << error.toStdString();
        ExpectSvgWitnessesAccept(path);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        const QString svg = QString::fromUtf8(file.readAll());
        QDomDocument dom;
        EXPECT_TRUE(bool(dom.setContent(svg))) << svg.toStdString();
        return svg;
    }
    // A picture file of one colour.
    QString Picture(const QString& path, QRgb colour) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QImage image(6, 4, QImage::Format_RGB32);
        image.fill(colour);
        EXPECT_TRUE(image.save(path));
        return path;
    }
    CQarnRect* Textured(const QString& picture) {
        CQarnRect* box = Add(RectF(10, 10, 100, 60));
        box->SetBrushType(CQarnBrushProperty::Texture);
        box->GetBrushProperty()->SetImageName(picture);
        box->GetBrushProperty()->SetWrapMode(0);
        return box;
    }
};

}  // namespace

TEST_F(SvgComponentTest, ShadedPaintIsScaledOrFiltered) {
    CQarnRect* solid = Add(RectF(10, 10, 50, 50), 0xFFC86432u);
    CQarnRect* gradient = Add(RectF(100, 10, 50, 50));
    gradient->SetBrushType(CQarnBrushProperty::LinearGradient);
    for (CQarnRect* box : {solid, gradient}) {
        box->InitElements(0);
        box->GetElement(0)->SetShade(50);
    }
    const QString svg = Export();
    // A plain colour at half brightness: (200, 100, 50) becomes (100, 50, 25), no filter.
    EXPECT_TRUE(svg.contains(QStringLiteral("fill=\"rgb(100,50,25)\"")));
    EXPECT_EQ(svg.count(QStringLiteral("filter=\"url(#_FilterGrayScale0.50_)\"")), 1);
    EXPECT_EQ(svg.count(QStringLiteral("<filter id=\"_FilterGrayScale0.50_\"")), 1);
    EXPECT_TRUE(svg.contains(QStringLiteral("values=\"0.50 0 0 0 0 0 0.50 0 0 0 0 0 0.50")));
}

TEST_F(SvgComponentTest, TextIsClippedToItsRectangleUnlessItsFormatSaysNot) {
    CQarnRect* clipped = Add(RectF(10, 20, 120, 40));
    clipped->SetName(QStringLiteral("label"));
    AddText(clipped, QStringLiteral("Clipped"));
    CQarnRect* free = Add(RectF(150, 20, 120, 40));
    AddText(free, QStringLiteral("Free"));
    free->GetTextProperty()->SetStringFormat(CQarnTextProperty::NoClip);
    const QString svg = Export();
    EXPECT_EQ(svg.count(QStringLiteral("clip-path=")), 1);
    EXPECT_TRUE(svg.contains(QStringLiteral("<g clip-path=\"url(#_Cilp-label-Text_)\"")));
    EXPECT_TRUE(svg.contains(
        QStringLiteral("<clipPath id=\"_Cilp-label-Text_\">\n  <path d=\"M 10 20 L 130 20 ")));
}

TEST_F(SvgComponentTest, UnfilledShapesCastATextShadow) {
    CQarnRect* outline = Add(RectF(10, 20, 120, 40));
    outline->SetFill(false);
    AddText(outline, QStringLiteral("Shade"));
    auto* shadow = new CQarnShadowProperty();
    shadow->SetXOffset(5);
    shadow->SetYOffset(7);
    shadow->SetColor1(Color(0xFF808080u));
    outline->AddProperty(shadow);
    QString svg = Export();
    EXPECT_EQ(svg.count(QStringLiteral(">Shade</text>")), 2);
    Matrix placement;
    shadow->GetTransformMatrix(placement, outline->GetRectF());
    EXPECT_FALSE(placement.IsIdentity());
    const qsizetype placed =
        svg.indexOf(QStringLiteral("<g ") + CSvgNumberFormat::MatrixToString(placement, 9, true));
    ASSERT_GE(placed, 0);
    // The shadow's lines come first, in the shadow's colour.
    EXPECT_LT(placed, svg.indexOf(QStringLiteral(">Shade</text>")));
    EXPECT_LT(svg.indexOf(QStringLiteral("fill=\"rgb(128,128,128)\"")),
              svg.indexOf(QStringLiteral(">Shade</text>")));

    // A filled shape hides the text's shadow behind its own fill, so it casts none.
    outline->SetFill(true);
    svg = Export();
    EXPECT_EQ(svg.count(QStringLiteral(">Shade</text>")), 1);
}

TEST_F(SvgComponentTest, PicturesAreCopiedBesideTheFileWithoutReplacingOthers) {
    const QString picture = Picture(dir.filePath(QStringLiteral("art/tile one.png")), 0xFF00FF00u);
    Textured(picture);
    QString svg = Export(QStringLiteral("out/a.svg"));
    EXPECT_TRUE(svg.contains(QStringLiteral("xlink:href=\"tile%20one.png\"")));
    EXPECT_TRUE(QFileInfo::exists(dir.filePath(QStringLiteral("out/tile one.png"))));

    // Exported again: the copy there holds the same bytes and is used as it is.
    svg = Export(QStringLiteral("out/b.svg"));
    EXPECT_TRUE(svg.contains(QStringLiteral("xlink:href=\"tile%20one.png\"")));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("out/tile one-2.png"))));

    // Another picture of that name goes beside it; the first copy is left alone.
    QFile::remove(picture);
    Picture(picture, 0xFFFF0000u);
    svg = Export(QStringLiteral("out/c.svg"));
    EXPECT_TRUE(svg.contains(QStringLiteral("xlink:href=\"tile%20one-2.png\"")));
    EXPECT_EQ(QImage(dir.filePath(QStringLiteral("out/tile one.png"))).pixel(0, 0), 0xFF00FF00u);
    EXPECT_EQ(QImage(dir.filePath(QStringLiteral("out/tile one-2.png"))).pixel(0, 0), 0xFFFF0000u);

    // Off: the picture is referred to where it lies, and nothing is copied.
    config->m_nSaveSVGPicturesLocally = 0;
    svg = Export(QStringLiteral("elsewhere/d.svg"));
    EXPECT_TRUE(svg.contains(QStringLiteral("xlink:href=\"file://")));
    EXPECT_TRUE(svg.contains(QStringLiteral("tile%20one.png\"")));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("elsewhere/tile one.png"))));
}

TEST_F(SvgComponentTest, APictureInTheOutputFolderIsNotCopied) {
    Textured(Picture(dir.filePath(QStringLiteral("here.png")), 0xFF0000FFu));
    const QString svg = Export();
    EXPECT_TRUE(svg.contains(QStringLiteral("xlink:href=\"here.png\"")));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);  // here.png, out.svg
}

TEST_F(SvgComponentTest, OnlyImageFilesArePicturesAndSpecialFilesAreNeverOpened) {
    // A document naming a text file, a FIFO and a device as pictures: none of them gets a
    // fill or a copy beside the file, and the export does not wait on the FIFO.
    const QString text = dir.filePath(QStringLiteral("art/notes.png"));
    QDir().mkpath(dir.filePath(QStringLiteral("art")));
    {
        QFile file(text);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("these are notes, not a picture");
    }
    const QString fifo = dir.filePath(QStringLiteral("art/pipe.png"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString& name : {text, fifo, QStringLiteral("/dev/zero")}) {
        Textured(name);
    }
    // A FIFO under the name a real picture's copy would take is passed over, not opened.
    const QString picture = Picture(dir.filePath(QStringLiteral("art/real.png")), 0xFF00FF00u);
    Textured(picture);
    QDir().mkpath(dir.filePath(QStringLiteral("out")));
    ASSERT_EQ(
        ::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("out/real.png"))).constData(), 0600),
        0);
    const QString svg = Export(QStringLiteral("out/page.svg"));
    EXPECT_FALSE(svg.contains(QStringLiteral("notes")));
    EXPECT_FALSE(svg.contains(QStringLiteral("pipe")));
    EXPECT_FALSE(svg.contains(QStringLiteral("zero")));
    EXPECT_TRUE(svg.contains(QStringLiteral("xlink:href=\"real-2.png\"")));
    QStringList copied =
        QDir(dir.filePath(QStringLiteral("out"))).entryList(QDir::Files | QDir::System);
    copied.sort();
    EXPECT_EQ(copied, (QStringList{QStringLiteral("page.svg"), QStringLiteral("real-2.png"),
                                   QStringLiteral("real.png")}));
    EXPECT_EQ(QImage(dir.filePath(QStringLiteral("out/real-2.png"))).pixel(0, 0), 0xFF00FF00u);
}

TEST_F(SvgComponentTest, OnlyAComponentExportedOnItsOwnKeepsItsText) {
    CQarnRect* box = Add(RectF(10, 10, 50, 50));
    QString text;
    box->ExportToSVG(&text, nullptr);
    EXPECT_FALSE(text.isEmpty());
    EXPECT_EQ(box->GetSVGText(), text);
    Export();
    EXPECT_TRUE(box->GetSVGText().isEmpty());

    QBuffer buffer;
    ASSERT_TRUE(buffer.open(QIODevice::WriteOnly));
    box->ExportToSVG(&buffer);
    EXPECT_EQ(QString::fromUtf8(buffer.data()), text);
}

TEST_F(SvgComponentTest, EveryWrapModeOfAPictureFillHasAForm) {
    const QString picture = Picture(dir.filePath(QStringLiteral("p.png")), 0xFF0000FFu);
    struct Case {
        BYTE wrap;
        bool stretch;
        const char* form;
    };
    // Stretched pictures cover the rectangle once whatever the wrap mode; the flipping wrap
    // modes tile.
    for (const Case& c : {Case{0, false, "Tile"}, Case{2, false, "Tile"}, Case{4, false, "Center"},
                          Case{4, true, "Stretch"}, Case{0, true, "Stretch"}}) {
        doc.DeleteContents();
        ASSERT_TRUE(doc.OnNewDocument());
        CQarnRect* box = Textured(picture);
        box->SetName(QStringLiteral("pic"));
        box->GetBrushProperty()->SetWrapMode(c.wrap);
        box->GetBrushProperty()->SetStretch(c.stretch);
        const QString svg = Export();
        // The fill is clipped to the outline, and the id ends with the picture's name.
        const QRegularExpression reference(
            QStringLiteral("filter=\"url\\(#_pic-%1InClipFilter-[^\"]*\\.p\\.png_\\)\"")
                .arg(QLatin1String(c.form)));
        EXPECT_TRUE(svg.contains(reference)) << int(c.wrap) << c.stretch << svg.toStdString();
        EXPECT_TRUE(svg.contains(QStringLiteral("<clipPath id=\"_Cilp-pic_\">")));
    }
}
