// Drawings holding symbols and parametric shapes on disk: they come back as they were saved,
// and they draw from their own copies of the symbols where the template file is missing.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "core/geometry_fixtures.h"
#include "platform/compound_file.h"
#include "properties/shadow_property.h"
#include "shapes/catalogue/cube.h"
#include "shapes/catalogue/star.h"
#include "shapes/symbol_fixtures.h"

namespace {

class AutoShapeDocumentTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    QByteArray Contents(const QString& path) {
        QByteArray contents;
        QString error;
        EXPECT_TRUE(CCompoundFile::ReadContents(path, &contents, &error)) << error.toStdString();
        return contents;
    }

    // A drawing with instances of two states of a symbol, turned and flipped ones, one with
    // a shadow, a star and a cube, saved to the path while the symbols are installed.
    void SaveDrawing(const QString& path, QList<QImage>* looks) {
        CQarnAutoShapeTempl* open = BoxAndDisc(81);
        open->SetTemplateName(QStringLiteral("Valve open"));
        InstalledTemplates installed(BoxAndDisc(80));
        installed.list.append(open);
        CQarnDoc doc;
        ASSERT_TRUE(doc.OnNewDocument());
        CQarnAutoShape* plain = PlaceInstance(doc, RectF(10, 10, 100, 50), 80);
        auto* opened = new CQarnAutoShape(RectF(10, 80, 100, 50), 80);
        opened->SetCurrentState(1);
        doc.AddTail(opened);
        opened->Initialize(opened->GetLayer());
        CQarnAutoShape* turned = PlaceInstance(doc, RectF(120, 10, 60, 30), 80);
        turned->RotateAt(30, turned->GetCenterPointF(), 1);
        turned->Flip(0x10, turned->GetRotateCenter(), 0);
        CQarnAutoShape* shaded = PlaceInstance(doc, RectF(120, 80, 60, 30), 80);
        auto* shadow = new CQarnShadowProperty();
        shadow->SetColor1(Color(0xFF808080u));
        shaded->AddProperty(shadow);
        auto* star = new CQarnShapeStar(RectF(10, 150, 80, 80));
        star->SetPointCount(8);
        star->SetShapeID(18326);
        doc.AddTail(star);
        auto* cube = new CQarnShapeCube(RectF(100, 150, 90, 60));
        cube->SetShapeID(18214);
        doc.AddTail(cube);
        for (CQarnAutoShape* c : {plain, opened, turned, shaded}) {
            looks->append(Render(*c, 0, nullptr, 240, 240));
        }
        QString error;
        ASSERT_TRUE(doc.OnSaveDocument(path, &error)) << error.toStdString();
    }

    static QList<CQarnAutoShape*> Instances(CQarnDoc& doc) {
        QList<CQarnAutoShape*> instances;
        for (CQarnComponent* c : doc.GetCurrentCanvas()->GetCurrentLayer()->GetList()) {
            if (auto* shape = dynamic_cast<CQarnAutoShape*>(c)) {
                instances.append(shape);
            }
        }
        return instances;
    }
};

}  // namespace

TEST_F(AutoShapeDocumentTest, SymbolsAndParametricShapesSurviveSaveOpenSave) {
    const QString first = Path("first.met");
    QList<QImage> looks;
    SaveDrawing(first, &looks);
    CQarnDoc back;
    QString error;
    ASSERT_TRUE(back.OnOpenDocument(first, &error)) << error.toStdString();
    EXPECT_EQ(back.GetTemplates().size(), 2);
    const QString second = Path("second.met");
    ASSERT_TRUE(back.OnSaveDocument(second, &error)) << error.toStdString();
    EXPECT_EQ(Contents(second), Contents(first));

    const auto& list = back.GetCurrentCanvas()->GetCurrentLayer()->GetList();
    ASSERT_EQ(list.size(), 6);
    auto* star = dynamic_cast<CQarnShapeStar*>(list[4]);
    ASSERT_NE(star, nullptr);
    EXPECT_EQ(star->GetPointCount(), 8);
    EXPECT_NE(dynamic_cast<CQarnShapeCube*>(list[5]), nullptr);
}

TEST_F(AutoShapeDocumentTest, ADrawingOpensWithoutItsTemplateFileAndDrawsFromItsOwnCopies) {
    const QString path = Path("drawing.met");
    QList<QImage> looks;
    SaveDrawing(path, &looks);
    ASSERT_EQ(Qarn::GetASTemplateListCount(), 0);
    MissingTemplateRecorder recorder;
    const int reported = MissingTemplateRecorder::Count();
    CQarnDoc back;
    QString error;
    ASSERT_TRUE(back.OnOpenDocument(path, &error)) << error.toStdString();
    EXPECT_EQ(MissingTemplateRecorder::Count(), reported);
    const QList<CQarnAutoShape*> instances = Instances(back);
    ASSERT_EQ(instances.size(), looks.size());
    EXPECT_EQ(instances[0]->GetTemplate(), back.FindASTemplate(80));
    EXPECT_EQ(instances[1]->GetTemplate(), back.FindASTemplate(81));
    for (qsizetype i = 0; i < instances.size(); ++i) {
        EXPECT_FALSE(instances[i]->IsTemplateMissing());
        EXPECT_EQ(Render(*instances[i], 0, nullptr, 240, 240), looks[i]) << i;
    }
}

TEST_F(AutoShapeDocumentTest, ADrawingWithoutCopiesReportsEachInstanceAndDrawsRectangles) {
    const QString path = Path("bare.met");
    {
        InstalledTemplates installed(BoxAndDisc(80));
        CQarnDoc doc;
        ASSERT_TRUE(doc.OnNewDocument());
        PlaceInstance(doc, RectF(10, 10, 100, 50), 80);
        PlaceInstance(doc, RectF(10, 80, 100, 50), 80);
        // As a drawing written before its symbols were kept with it.
        qDeleteAll(doc.GetTemplates());
        doc.GetTemplates().clear();
        QString error;
        ASSERT_TRUE(doc.OnSaveDocument(path, &error)) << error.toStdString();
    }
    MissingTemplateRecorder recorder;
    const int reported = MissingTemplateRecorder::Count();
    CQarnDoc back;
    QString error;
    ASSERT_TRUE(back.OnOpenDocument(path, &error)) << error.toStdString();
    EXPECT_EQ(MissingTemplateRecorder::Count(), reported + 2);
    const QList<CQarnAutoShape*> instances = Instances(back);
    ASSERT_EQ(instances.size(), 2);
    EXPECT_TRUE(instances[0]->IsTemplateMissing());
    // Saved again, it keeps its symbol's number and state for the day the file is back.
    ASSERT_TRUE(back.OnSaveDocument(Path("again.met"), &error));
    EXPECT_EQ(Contents(Path("again.met")), Contents(path));
    instances[0]->SetFillColor(Color(0xFF00FFFFu));
    EXPECT_EQ(Render(*instances[0]).pixel(100, 50), 0xFF00FFFFu);  // its whole rectangle
}
