#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "shapes/symbol_fixtures.h"
#include "shapes/template_file.h"
#include "support/file_size_limit.h"

namespace {

CQarnTemplateFileInfo Header() {
    CQarnTemplateFileInfo info;
    info.description = QStringLiteral("Plant symbols");
    info.author = QStringLiteral("Ada");
    info.email = QStringLiteral("ada@example.org");
    info.company = QStringLiteral("Ostrovan");
    info.webPage = QStringLiteral("example.org");
    return info;
}

QByteArray Strings(const QStringList& strings) {
    QByteArray bytes;
    CArchive ar(CArchive::store, &bytes);
    for (const QString& s : strings) {
        ar << s;
    }
    return bytes;
}

class TemplateFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    CQarnTemplateList list;

    void TearDown() override { qDeleteAll(list); }
    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    void WriteFile(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    // Loads the bytes as a file; the list must be left as it was when the load fails.
    int Load(const QByteArray& bytes, QString* error) {
        const QString path = Path("symbols.tpl");
        WriteFile(path, bytes);
        QString title;
        const qsizetype before = list.size();
        const int result = Qarn::LoadTemplateListFromFile(path, list, title, error);
        if (result == 0) {
            EXPECT_EQ(list.size(), before);
            EXPECT_TRUE(error->startsWith(path)) << error->toStdString();
        }
        return result;
    }
};

}  // namespace

TEST_F(TemplateFileTest, AWrittenFileReadsBackToTheSameTemplates) {
    std::unique_ptr<CQarnAutoShapeTempl> first(BoxAndDisc(80000));
    std::unique_ptr<CQarnAutoShapeTempl> second(BoxAndDisc(80001));
    second->SetTemplateName(QStringLiteral("Pump"));
    second->SetDefaultSize(150, 75);
    const QString path = Path("plant.tpl");
    QString error;
    ASSERT_TRUE(Qarn::SaveTemplateListToFile(path, {first.get(), second.get()}, Header(), &error))
        << error.toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    // The five strings of the header, three zero words, then the list.
    const QByteArray header = Strings({QStringLiteral("Plant symbols"), QStringLiteral("Ada"),
                                       QStringLiteral("ada@example.org"),
                                       QStringLiteral("Ostrovan"), QStringLiteral("example.org")}) +
                              QByteArray(12, '\0') + QByteArray::fromHex("0200ffff0000") +
                              char(19) + '\0' + QByteArray("CQarnAutoShapeTempl");
    EXPECT_TRUE(bytes.startsWith(header));

    list.append(BoxAndDisc(1));  // templates already there stay in front
    QString title;
    ASSERT_EQ(Qarn::LoadTemplateListFromFile(path, list, title, &error), 1) << error.toStdString();
    EXPECT_EQ(title, QStringLiteral("Plant symbols"));
    ASSERT_EQ(list.size(), 3);
    EXPECT_EQ(list[0]->GetTemplateID(), 1u);
    EXPECT_EQ(ObjectBytes(list[1]), ObjectBytes(first.get()));
    EXPECT_EQ(ObjectBytes(list[2]), ObjectBytes(second.get()));
    EXPECT_EQ(Qarn::WriteTemplateFile({list[1], list[2]}, Header()), bytes);
}

TEST_F(TemplateFileTest, ADamagedFileAddsNothingAndSaysWhy) {
    std::unique_ptr<CQarnAutoShapeTempl> a(BoxAndDisc(10));
    std::unique_ptr<CQarnAutoShapeTempl> b(BoxAndDisc(11));
    const QByteArray good = Qarn::WriteTemplateFile({a.get(), b.get()}, Header());
    QString error;
    // Cut anywhere, even after the first template is complete, the file adds nothing.
    for (qsizetype n = 0; n < good.size(); n += 7) {
        EXPECT_EQ(Load(good.left(n), &error), 0) << n;
    }
    EXPECT_EQ(Load(good + QByteArray("xx"), &error), 0);
    EXPECT_TRUE(error.contains(QStringLiteral("2 bytes follow the templates")))
        << error.toStdString();

    // A component where a template belongs.
    CQarnRect box(RectF(0, 0, 10, 10));
    QByteArray wrongClass = good.left(good.indexOf(QByteArray::fromHex("0200ffff")));
    CArchive(CArchive::store, &wrongClass).WriteObjectList(QList<CQarnComponent*>{&box});
    EXPECT_EQ(Load(wrongClass, &error), 0);
    EXPECT_TRUE(error.contains(QStringLiteral("CQarnRect"))) << error.toStdString();

    // The same template twice: a back reference that would give it two owners.
    EXPECT_EQ(Load(Qarn::WriteTemplateFile({a.get(), a.get()}, Header()), &error), 0);

    EXPECT_EQ(Load(good, &error), 1) << error.toStdString();
    EXPECT_EQ(list.size(), 2);
}

TEST_F(TemplateFileTest, AFileThatCannotBeOpenedGivesZero) {
    QString title = QStringLiteral("unchanged");
    QString error;
    EXPECT_EQ(Qarn::LoadTemplateListFromFile(Path("none.tpl"), list, title, &error), 0);
    EXPECT_TRUE(list.isEmpty());
    EXPECT_EQ(title, QStringLiteral("unchanged"));
    EXPECT_TRUE(error.startsWith(Path("none.tpl")));
    // A save that fails part way leaves the earlier file as it was.
    const QString path = Path("keep.tpl");
    WriteFile(path, QByteArray("old"));
    std::unique_ptr<CQarnAutoShapeTempl> t(BoxAndDisc(1));
    {
        FileSizeLimit limit(64);
        EXPECT_FALSE(Qarn::SaveTemplateListToFile(path, {t.get()}, Header(), &error));
    }
    EXPECT_TRUE(error.startsWith(path)) << error.toStdString();
    QFile kept(path);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("old"));
}
