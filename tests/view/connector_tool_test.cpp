// Drawing connectors between shapes with the mouse.
#include "connectors/connection.h"
#include "connectors/connector.h"
#include "core/arrow_type.h"
#include "view/command_ids.h"
#include "view/tool_fixtures.h"

namespace {

class ConnectorToolTest : public ToolViewTest {
protected:
    CQarnConnector* OnlyConnector() {
        CQarnConnector* found = nullptr;
        for (CQarnComponent* c : Components()) {
            if (auto* k = dynamic_cast<CQarnConnector*>(c)) {
                if (found != nullptr) {
                    return nullptr;
                }
                found = k;
            }
        }
        return found;
    }
    static bool Near(PointF a, PointF b) {
        return std::fabs(a.X - b.X) < 1.01f && std::fabs(a.Y - b.Y) < 1.01f;
    }
};

}  // namespace

TEST_F(ConnectorToolTest, AConnectorFromAnchorToAnchorAttachesBothEndsAndFollowsTheShapes) {
    CQarnRect* a = AddBox(RectF(50, 50, 80, 60));
    CQarnRect* b = AddBox(RectF(300, 200, 80, 60));
    const QByteArray before = Bytes();
    Use(QarnCmd::ToolConnector);
    // From near a's right anchor to near b's left anchor.
    Drag(At(128, 82), At(302, 228));
    CQarnConnector* k = OnlyConnector();
    ASSERT_NE(k, nullptr);
    ASSERT_NE(k->GetLeftConnection(), nullptr);
    ASSERT_NE(k->GetRightConnection(), nullptr);
    EXPECT_EQ(k->GetLeftConnection()->GetComponent(), a);
    EXPECT_EQ(k->GetRightConnection()->GetComponent(), b);
    EXPECT_EQ(k->GetConnectorType(), CQarnConnector::TypeElbow);
    EXPECT_TRUE(k->GetAutoLayout());
    // The ends rest on the anchors, not where the pointer was.
    EXPECT_TRUE(Near(k->GetPoint(1, 1), PointF(130, 80)));
    EXPECT_TRUE(Near(k->GetPoint(k->GetPointCount(), 1), PointF(300, 230)));
    EXPECT_EQ(UndoDepth(), 1);
    EXPECT_EQ(doc->GetConnectionTarget(), nullptr);

    // Both ends follow their shapes.
    view->Select(b, false);
    Drag(At(340, 230), At(340, 330));
    EXPECT_TRUE(Near(k->GetPoint(k->GetPointCount(), 1), PointF(300, 330)));
    view->Select(a, false);
    Drag(At(90, 80), At(90, 130));
    EXPECT_TRUE(Near(k->GetPoint(1, 1), PointF(130, 130)));

    // One undo each way for the moves, then the connector goes as one step.
    Undo();
    Undo();
    const QByteArray drawn = Bytes();
    Undo();
    EXPECT_EQ(Bytes(), before);
    Redo();
    EXPECT_EQ(Bytes(), drawn);
    k = OnlyConnector();
    ASSERT_NE(k, nullptr);
    ASSERT_NE(k->GetRightConnection(), nullptr);
    EXPECT_EQ(k->GetRightConnection()->GetComponent(), b);
}

TEST_F(ConnectorToolTest, KindsAndArrowHeadsFollowTheCommand) {
    Use(QarnCmd::ToolConnectorDirect + 1);
    Drag(At(100, 100), At(300, 150));
    Use(QarnCmd::ToolConnectorCurved + 2);
    Drag(At(100, 300), At(300, 350));
    Use(QarnCmd::ToolConnectorRounded);
    Drag(At(400, 100), At(500, 250));
    ASSERT_EQ(Components().size(), 3);
    auto* direct = dynamic_cast<CQarnConnector*>(Components()[0]);
    auto* curved = dynamic_cast<CQarnConnector*>(Components()[1]);
    auto* rounded = dynamic_cast<CQarnConnector*>(Components()[2]);
    ASSERT_TRUE(direct && curved && rounded);
    EXPECT_EQ(direct->GetConnectorType(), CQarnConnector::TypeDirect);
    EXPECT_FALSE(direct->GetAutoLayout());
    EXPECT_EQ(direct->GetStartArrow(), ArrowTypeNone);
    EXPECT_EQ(direct->GetEndArrow(), ArrowTypeArrow);
    EXPECT_EQ(curved->GetConnectorType(), CQarnConnector::TypeCurved);
    EXPECT_EQ(curved->GetJoinKind(), CQarnPoly::JoinCurve);
    EXPECT_EQ(curved->GetStartArrow(), ArrowTypeArrow);
    EXPECT_EQ(curved->GetEndArrow(), ArrowTypeArrow);
    EXPECT_EQ(rounded->GetConnectorType(), CQarnConnector::TypeRoundCorner);
    EXPECT_FALSE(rounded->IsClosed());
    // Free ends lie where the drag began and ended.
    EXPECT_TRUE(Near(direct->GetPoint(1, 1), PointF(100, 100)));
    EXPECT_TRUE(Near(direct->GetPoint(direct->GetPointCount(), 1), PointF(300, 150)));
    EXPECT_EQ(direct->GetLeftConnection(), nullptr);
}

TEST_F(ConnectorToolTest, AClickOrEscapeLeavesNothingAndTheTargetIsHighlightedWhileAiming) {
    CQarnRect* b = AddBox(RectF(300, 200, 80, 60));
    const QByteArray before = Bytes();
    Use(QarnCmd::ToolConnectorDirect);
    Click(At(100, 100));
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(UndoDepth(), 0);

    Use(QarnCmd::ToolConnectorDirect);
    Press(At(100, 100));
    MoveTo(At(200, 150));
    MoveTo(At(301, 229));
    // Over b: it is the target its anchors are shown for.
    EXPECT_EQ(doc->GetConnectionTarget(), b);
    Key(Qt::Key_Escape);
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(UndoDepth(), 0);
    EXPECT_EQ(doc->GetConnectionTarget(), nullptr);
    Release(At(301, 229));
    EXPECT_EQ(Bytes(), before);
}
