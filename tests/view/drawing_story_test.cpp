// A person makes a diagram from an empty page with the mouse alone, saves it and opens it
// again.
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTimer>

#include "connectors/connection.h"
#include "connectors/connector.h"
#include "controls/text_page.h"
#include "controls/text_sheet.h"
#include "shapes/group.h"
#include "view/command_ids.h"
#include "view/tool_fixtures.h"

namespace {

QString ClassOf(const CQarnComponent* c) {
    return QString::fromLatin1(c->GetRuntimeClass()->m_lpszClassName);
}

}  // namespace

TEST_F(ToolViewTest, AUserDrawsADiagramFromAnEmptyPageSavesItAndOpensItAgain) {
    // A rectangle and an ellipse.
    view->OnCommand(QarnCmd::ShapeRectangle);
    Drag(At(40, 40), At(160, 120));
    view->OnCommand(QarnCmd::ShapeEllipse);
    Drag(At(320, 40), At(440, 120));
    ASSERT_EQ(Components().size(), 2);
    CQarnComponent* box = Components()[0];
    CQarnComponent* ellipse = Components()[1];

    // A connector from the rectangle's right anchor to the ellipse's left one.
    view->OnCommand(QarnCmd::ToolConnector + 1);
    Drag(At(158, 80), At(322, 80));

    // A text below them.
    view->OnCommand(QarnCmd::ToolText);
    QTimer::singleShot(0, [] {
        auto* sheet = qobject_cast<CQarnTextSheet*>(QApplication::activeModalWidget());
        ASSERT_NE(sheet, nullptr);
        QPlainTextEdit* edit = sheet->GetTextPage()->GetTextEdit();
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("Pump to tank"));
        sheet->accept();
    });
    Click(At(200, 160));

    // A star and a block arrow, then the two grouped.
    view->OnCommand(18290);
    Drag(At(60, 220), At(140, 300));
    view->OnCommand(18251);
    Drag(At(200, 230), At(320, 290));
    ASSERT_EQ(Components().size(), 6);
    Click(At(100, 260));
    Click(At(260, 260), Qt::ShiftModifier);
    ASSERT_EQ(view->GetSelection().size(), 2);
    ASSERT_TRUE(view->OnCommand(QarnCmd::Group));

    // What the page holds: the shapes, the connector between the first two, the text and the
    // group of the last two (a group refers to its members, which stay in the layer).
    const ComponentList drawn = Components();
    QStringList classes;
    for (CQarnComponent* c : drawn) {
        classes << ClassOf(c);
    }
    EXPECT_EQ(classes,
              (QStringList{"CQarnShapeFixed", "CQarnShapeFixed", "CQarnConnector", "CQarnRect",
                           "CQarnShapeStar", "CQarnShapeArrow", "CQarnGroup"}));
    auto* connector = dynamic_cast<CQarnConnector*>(drawn[2]);
    ASSERT_NE(connector, nullptr);
    ASSERT_NE(connector->GetLeftConnection(), nullptr);
    ASSERT_NE(connector->GetRightConnection(), nullptr);
    EXPECT_EQ(connector->GetLeftConnection()->GetComponent(), box);
    EXPECT_EQ(connector->GetRightConnection()->GetComponent(), ellipse);
    EXPECT_EQ(drawn[3]->GetText(), QStringLiteral("Pump to tank"));
    EXPECT_EQ(drawn[4]->GetParentGroup(), drawn[6]);
    EXPECT_EQ(drawn[5]->GetParentGroup(), drawn[6]);
    EXPECT_EQ(UndoDepth(), 7);

    // Saved and opened again, the document is the same, record for record.
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("diagram.met"));
    QString error;
    ASSERT_TRUE(doc->OnSaveDocument(path, &error)) << error.toStdString();
    CQarnDoc reopened;
    ASSERT_TRUE(reopened.OnOpenDocument(path, &error)) << error.toStdString();
    EXPECT_EQ(StoredRecord(reopened), Bytes());
    const ComponentList again = reopened.GetCurrentCanvas()->GetLayers().first()->GetList();
    ASSERT_EQ(again.size(), drawn.size());
    for (int i = 0; i < drawn.size(); ++i) {
        EXPECT_EQ(ClassOf(again[i]), classes[i]) << i;
        EXPECT_TRUE(again[i]->GetRectF().Equals(drawn[i]->GetRectF())) << i;
        EXPECT_EQ(again[i]->GetShapeID(), drawn[i]->GetShapeID()) << i;
    }
    auto* connectorAgain = dynamic_cast<CQarnConnector*>(again[2]);
    ASSERT_NE(connectorAgain, nullptr);
    ASSERT_NE(connectorAgain->GetRightConnection(), nullptr);
    EXPECT_EQ(connectorAgain->GetRightConnection()->GetComponent(), again[1]);
}
