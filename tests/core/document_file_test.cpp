#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "core/canvas.h"
#include "core/doc.h"
#include "core/geometry_fixtures.h"
#include "core/layer.h"
#include "platform/archive.h"
#include "platform/compound_file.h"
#include "properties/brush_property.h"
#include "properties/pen_property.h"
#include "properties/text_property.h"
#include "support/file_size_limit.h"
#include "support/stored_record.h"

namespace {

QByteArray ArchiveString(const QString& s) {
    QByteArray bytes;
    CArchive ar(CArchive::store, &bytes);
    ar << s;
    return bytes;
}

QByteArray Le32(quint32 v) {
    QByteArray b(4, '\0');
    for (int i = 0; i < 4; ++i) {
        b[i] = char((v >> (8 * i)) & 0xFF);
    }
    return b;
}

QByteArray NewClass(const char* name) {
    QByteArray b = QByteArray::fromHex("ffff0000");
    b.append(char(qstrlen(name)));
    b.append('\0');
    b.append(name);
    return b;
}

class DocumentFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString Path(const char* name) { return dir.filePath(QString::fromLatin1(name)); }
};

}  // namespace

TEST_F(DocumentFileTest, AnEmptyNewDocumentIsWrittenByteForByte) {
    CQarnDoc doc;
    ASSERT_TRUE(doc.OnNewDocument());
    doc.GetCurrentCanvas()->SetSize(500, 500);
    QByteArray expected;
    expected += ArchiveString(QStringLiteral("Version 1.0"));
    expected += Le32(8) + QByteArray(16, '\0');
    expected += Le32(0xFFC0C0C0u) + Le32(1) + Le32(4) + Le32(0) + Le32(0) + Le32(0) + Le32(1);
    expected += QByteArray::fromHex("0100") + NewClass("CQarnCanvas");
    expected += QByteArray::fromHex("0100") + NewClass("CQarnLayer");
    expected += QByteArray::fromHex("0000") + QByteArray::fromHex("03") + Le32(0);
    expected += ArchiveString(QStringLiteral("Layer0")) + QByteArray(12, '\0');
    expected += QByteArray::fromHex("01") + Le32(0) + Le32(500) + Le32(500) + QByteArray(12, '\0');
    expected += QByteArray::fromHex("0100") + NewClass("CQarnGradient");
    expected += Le32(0) + QByteArray::fromHex("ffffffff");
    expected += QByteArray::fromHex("0000") + Le32(0);
    EXPECT_EQ(StoredRecord(doc).toHex(), expected.toHex());
    EXPECT_FALSE(doc.IsBusy());
}

TEST_F(DocumentFileTest, SavedDocumentsOpenWithEverythingInPlace) {
    CQarnDoc doc;
    ASSERT_TRUE(doc.OnNewDocument());
    auto box = MakeBox(RectF(10, 20, 30, 40), Color(0xFF00FF00u));
    box->SetRotateAngle(30);
    box->SetName(QStringLiteral("Green box"));
    auto* text = new CQarnTextProperty();
    text->SetText(QStringLiteral("Hello"));
    box->AddProperty(text);
    doc.AddTail(box.release());
    CQarnLayer* top = doc.GetCurrentCanvas()->AddNewLayer();
    top->SetName(QStringLiteral("Notes"));
    top->SetVisible(false);
    CQarnCanvas* second = doc.AddNewCanvas();
    second->SetSize(800, 600);
    second->GetBackground()->SetColor1(Color(0xFFFFEEDDu));
    doc.SetGridSize(12);
    auto* templ = new CQarnAutoShapeTempl();
    templ->SetTemplateID(80001);
    templ->AddAnchorPoint(PointF(1, 2), 4);
    doc.AddTemplate(templ, false);

    const QString path = Path("drawing.met");
    QString error;
    ASSERT_TRUE(doc.OnSaveDocument(path, &error)) << error.toStdString();
    EXPECT_EQ(doc.GetPathName(), path);

    CQarnDoc back;
    ASSERT_TRUE(back.OnOpenDocument(path, &error)) << error.toStdString();
    ASSERT_EQ(back.GetCanvasList().size(), 2);
    EXPECT_EQ(back.GetCurrentCanvas(), back.GetCanvasList().first());
    EXPECT_EQ(back.GetGridSize(), 12);
    EXPECT_EQ(back.GetNextID(), 1u);
    CQarnCanvas* page = back.GetCanvasList().first();
    ASSERT_EQ(page->GetLayers().size(), 2);
    EXPECT_EQ(page->GetCurrentLayer(), page->GetLayers().first());
    EXPECT_EQ(page->GetLayers()[1]->GetName(), QStringLiteral("Notes"));
    EXPECT_FALSE(page->GetLayers()[1]->IsVisible());
    CQarnLayer* bottom = page->GetLayers().first();
    ASSERT_EQ(bottom->GetCount(), 1);
    CQarnComponent* c = bottom->GetHead();
    EXPECT_EQ(c->GetLayer(), bottom);
    EXPECT_EQ(c->GetName(), QStringLiteral("Green box"));
    EXPECT_FLOAT_EQ(c->GetRotateAngle(), 30);
    EXPECT_EQ(c->GetFillColor().GetValue(), 0xFF00FF00u);
    EXPECT_EQ(c->GetText(), QStringLiteral("Hello"));
    EXPECT_EQ(c->GetPenProperty()->GetRefCount(), 1);
    EXPECT_EQ(back.GetCanvasList()[1]->GetSize(), CSize(800, 600));
    EXPECT_EQ(back.GetCanvasList()[1]->GetBackground()->GetColor1().GetValue(), 0xFFFFEEDDu);
    ASSERT_NE(back.FindASTemplate(80001), nullptr);
    EXPECT_EQ(back.FindASTemplate(80001)->GetAnchorDirections().value(0), 4);
}

TEST_F(DocumentFileTest, AFileWithoutTemplatesOpens) {
    CQarnDoc doc;
    ASSERT_TRUE(doc.OnNewDocument());
    QByteArray bytes = StoredRecord(doc);
    // The templates flag (the twelfth word after the version) becomes 0 and the empty template
    // list goes.
    const int flagAt = int(ArchiveString(QStringLiteral("Version 1.0")).size()) + 11 * 4;
    ASSERT_EQ(bytes.mid(flagAt, 4), Le32(1));
    bytes.replace(flagAt, 4, Le32(0));
    bytes.remove(bytes.size() - 6, 2);
    const QString path = Path("old.met");
    QString error;
    ASSERT_TRUE(CCompoundFile::WriteContents(path, bytes, &error)) << error.toStdString();
    CQarnDoc back;
    EXPECT_TRUE(back.OnOpenDocument(path, &error)) << error.toStdString();
    EXPECT_EQ(back.GetCanvasList().size(), 1);
}

TEST_F(DocumentFileTest, DamagedFilesFailWithTheFileAndTheCause) {
    CQarnDoc good;
    ASSERT_TRUE(good.OnNewDocument());
    good.AddTail(MakeBox(RectF(0, 0, 10, 10)).release());
    const QByteArray bytes = StoredRecord(good);
    QString error;

    struct Case {
        const char* name;
        QByteArray contents;
        const char* cause;
    };
    QByteArray unknownClass = bytes;
    unknownClass.replace("CQarnLayer", "CQarnLayeX");
    QByteArray wrongSchema = bytes;
    const qsizetype canvasTag = wrongSchema.indexOf("CQarnCanvas") - 6;
    wrongSchema[canvasTag + 2] = 1;
    QByteArray wrongClass = bytes;
    wrongClass.replace("CQarnLayer", "CQarnCanvs");
    const Case cases[] = {
        {"truncated.met", bytes.left(bytes.size() / 2), "end of data"},
        {"unknown.met", unknownClass, "CQarnLayeX"},
        {"schema.met", wrongSchema, "schema"},
        {"wrongclass.met", wrongClass, "CQarnCanvs"},
    };
    for (const Case& c : cases) {
        const QString path = Path(c.name);
        ASSERT_TRUE(CCompoundFile::WriteContents(path, c.contents, &error));
        CQarnDoc doc;
        EXPECT_FALSE(doc.OnOpenDocument(path, &error)) << c.name;
        EXPECT_TRUE(error.contains(path)) << error.toStdString();
        EXPECT_TRUE(error.contains(QLatin1String(c.cause), Qt::CaseInsensitive))
            << c.name << ": " << error.toStdString();
        EXPECT_TRUE(doc.GetCanvasList().isEmpty()) << c.name;
    }

    QFile plain(Path("plain.met"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.write("this is not a compound file at all");
    plain.close();
    CQarnDoc doc;
    EXPECT_FALSE(doc.OnOpenDocument(plain.fileName(), &error));
    EXPECT_TRUE(error.contains(plain.fileName()));
    EXPECT_FALSE(doc.OnOpenDocument(Path("missing.met"), &error));
}

TEST_F(DocumentFileTest, AFailedSaveKeepsThePreviousFile) {
    CQarnDoc doc;
    ASSERT_TRUE(doc.OnNewDocument());
    const QString path = Path("keep.met");
    QString error;
    ASSERT_TRUE(doc.OnSaveDocument(path, &error));
    QFile before(path);
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    const QByteArray original = before.readAll();
    before.close();
    // The next save cannot be written whole: files may not grow past a few kilobytes.
    for (int i = 0; i < 400; ++i) {
        doc.AddTail(MakeBox(RectF(float(i), 0, 5, 5)).release());
    }
    bool written = true;
    {
        const FileSizeLimit limit(rlim_t(original.size() + 4096));
        written = doc.OnSaveDocument(path, &error);
    }
    EXPECT_FALSE(written);
    EXPECT_FALSE(error.isEmpty());
    QFile after(path);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), original);
}
