#pragma once
// A document shown in a test view, with a history, shapes and connectors to act on, and the
// check every action must pass: undo gives back the saved bytes from before, redo those from
// after.

#include <gtest/gtest.h>

#include <QByteArray>
#include <functional>
#include <vector>

#include "connectors/connection.h"
#include "connectors/connector.h"
#include "core/canvas.h"
#include "core/conversions.h"
#include "core/doc.h"
#include "core/layer.h"
#include "core/library_init.h"
#include "shapes/group.h"
#include "shapes/poly.h"
#include "shapes/rect.h"
#include "shapes/shape_ids.h"
#include "support/stored_record.h"
#include "undo/action_recorder.h"
#include "undo/test_view.h"
#include "undo/undo_manager.h"

// Where two byte strings first differ.
inline ::testing::AssertionResult SameBytes(const QByteArray& expected, const QByteArray& actual) {
    if (expected == actual) {
        return ::testing::AssertionSuccess();
    }
    qsizetype at = 0;
    while (at < expected.size() && at < actual.size() && expected[at] == actual[at]) {
        ++at;
    }
    return ::testing::AssertionFailure()
           << "sizes " << expected.size() << " and " << actual.size() << ", first difference at "
           << at << ": expected " << expected.mid(at, 16).toHex().toStdString() << ", got "
           << actual.mid(at, 16).toHex().toStdString();
}

class ActionTest : public ::testing::Test {
protected:
    void SetUp() override {
        QarnDllInitialize();
        ASSERT_NE(gUndoManager, nullptr);
        doc = new CQarnDoc();
        ASSERT_TRUE(doc->OnNewDocument());
        view.Show(doc);
    }
    void TearDown() override { delete doc; }

    QByteArray Bytes() { return StoredRecord(*doc); }
    CQarnLayer* Layer() const { return doc->GetCurrentCanvas()->GetCurrentLayer(); }
    long UndoDepth() const { return gUndoManager->GetStackSize(doc, 0); }

    CQarnRect* AddRect(const RectF& r, int shapeId = Qarn::kShapeRectangle,
                       CQarnLayer* layer = nullptr) {
        auto* shape = new CQarnRect(r);
        shape->SetShapeID(shapeId);
        shape->UpdateRotateCenter();
        shape->ResetPath();
        doc->AddTail(shape, layer);
        return shape;
    }
    CQarnPoly* AddPolyline(std::vector<PointF> points) {
        auto* poly = new CQarnPoly(RectF(points[0].X, points[0].Y, 0, 0));
        for (const PointF& p : points) {
            poly->AddPoint(p);
        }
        poly->RecalcBounds(0);
        poly->UpdateRotateCenter();
        poly->ResetPath();
        doc->AddTail(poly);
        return poly;
    }
    // A connector from a to b with each end dropped on the given shape (null leaves it free).
    CQarnConnector* Connect(CQarnComponent* from, PointF a, CQarnComponent* to, PointF b,
                            WORD type = CQarnConnector::TypeElbow) {
        auto* k = new CQarnConnector(RectF(a.X, a.Y, 0, 0));
        k->SetConnectorType(type);
        k->AddPoint(a);
        k->AddPoint(b);
        k->RecalcBounds(0);
        k->ResetHandles();
        doc->AddTail(k);
        DropEnd(k, true, from, a);
        DropEnd(k, false, to, b);
        return k;
    }
    void DropEnd(CQarnConnector* k, bool start, CQarnComponent* on, PointF p) {
        if (on == nullptr) {
            return;
        }
        doc->SetConnectionTarget(on);
        k->MoveHandleTo(start ? 1 : k->GetHandleCount(), p, 0);
        doc->SetConnectionTarget(nullptr);
    }
    // The scene most tests share: two shapes joined by a connector, a group of two shapes
    // with a connector from the first shape to one member, and a free-standing shape.
    void BuildScene() {
        a = AddRect(RectF(0, 0, 100, 80));
        b = AddRect(RectF(300, 40, 100, 80), Qarn::kShapeEllipse);
        ab = Connect(a, PointF(100, 40), b, PointF(300, 80));
        m1 = AddRect(RectF(0, 300, 60, 60));
        m2 = AddRect(RectF(100, 320, 60, 60));
        group = new CQarnGroup();
        group->AddComponent(m1);
        group->AddComponent(m2);
        group->RecalcBounds();
        doc->AddTail(group);
        am = Connect(a, PointF(50, 80), m2, PointF(130, 320));
        lone = AddRect(RectF(500, 500, 50, 50));
        gUndoManager->ClearTarget(doc);
    }

    // Records the action the way a view does; true when the history took it.
    bool Record(std::unique_ptr<CQarnAction> action) {
        return view.RecordAction(std::move(action)) != nullptr;
    }
    bool Undo() {
        if (!gUndoManager->CanUndo(doc, 1)) {
            return false;
        }
        gUndoManager->Undo(doc, 1);
        return true;
    }
    bool Redo() {
        if (!gUndoManager->CanRedo(doc, 1)) {
            return false;
        }
        gUndoManager->Redo(doc, 1);
        return true;
    }
    // Runs the edit (which records one step), then checks undo, redo and undo again against
    // the saved bytes; the document is left undone when `leaveUndone`, else redone.
    void ExpectExactUndo(const std::function<void()>& edit, bool leaveUndone = false) {
        const QByteArray before = Bytes();
        const long depth = UndoDepth();
        edit();
        ASSERT_EQ(UndoDepth(), depth + 1) << "the edit recorded no step";
        gUndoManager->SetLastAction(doc, nullptr);
        const QByteArray after = Bytes();
        EXPECT_NE(after, before) << "the edit changed nothing";
        ASSERT_TRUE(Undo());
        EXPECT_TRUE(SameBytes(before, Bytes())) << "after undo";
        ASSERT_TRUE(Redo());
        EXPECT_TRUE(SameBytes(after, Bytes())) << "after redo";
        ASSERT_TRUE(Undo());
        EXPECT_TRUE(SameBytes(before, Bytes())) << "after the second undo";
        if (!leaveUndone) {
            ASSERT_TRUE(Redo());
            EXPECT_TRUE(SameBytes(after, Bytes())) << "after the second redo";
        }
    }

    TestView view;
    CQarnDoc* doc = nullptr;
    CQarnRect* a = nullptr;
    CQarnRect* b = nullptr;
    CQarnRect* m1 = nullptr;
    CQarnRect* m2 = nullptr;
    CQarnRect* lone = nullptr;
    CQarnGroup* group = nullptr;
    CQarnConnector* ab = nullptr;
    CQarnConnector* am = nullptr;
};
