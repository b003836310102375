#pragma once
// Shapes on a page with connectors between them, a recorder of what the document asks its
// views to repaint, and checks of what every elbow route must satisfy.

#include <gtest/gtest.h>

#include <QList>
#include <vector>

#include "connectors/connection.h"
#include "connectors/connector.h"
#include "core/canvas.h"
#include "core/conversions.h"
#include "core/doc.h"
#include "core/doc_listener.h"
#include "core/layer.h"
#include "shapes/rect.h"
#include "shapes/shape_ids.h"

// Records which components the document asked its views to repaint or to show as outlines.
struct RepaintRecorder : CQarnDocListener {
    QList<CQarnComponent*> invalidated;
    QList<CQarnComponent*> outlines;

    void OnComponentChanged(CQarnComponent* c, Qarn::ComponentChange change,
                            const CRect&) override {
        (change == Qarn::ComponentChange::Appearance ? invalidated : outlines).append(c);
    }
};

// A fresh document with one page whose repaints are recorded for the test's life.
class ConnectorScene : public ::testing::Test {
protected:
    ConnectorScene() {
        doc.OnNewDocument();
        views.Subscribe(&doc);
    }
    ~ConnectorScene() override { doc.DeleteContents(); }

    CQarnRect* AddRect(const RectF& r, int shapeId = Qarn::kShapeRectangle) {
        auto* shape = new CQarnRect(r);
        shape->SetShapeID(shapeId);
        shape->UpdateRotateCenter();
        doc.AddTail(shape);
        return shape;
    }

    // A connector from a to b as the tool leaves it: free, then each end dropped in turn.
    CQarnConnector* AddConnector(PointF a, PointF b, WORD type = CQarnConnector::TypeElbow) {
        auto* k = new CQarnConnector(RectF(a.X, a.Y, 0, 0));
        k->SetConnectorType(type);
        k->AddPoint(a);
        k->AddPoint(b);
        k->RecalcBounds(0);
        k->ResetHandles();
        doc.AddTail(k);
        return k;
    }

    // Drops the end handle (1 start, else the end) of the connector on the shape at p.
    void DropEnd(CQarnConnector* k, bool start, CQarnComponent* on, PointF p) {
        doc.SetConnectionTarget(on);
        k->MoveHandleTo(start ? 1 : k->GetHandleCount(), p, 0);
        doc.SetConnectionTarget(nullptr);
    }

    static std::vector<PointF> Points(const CQarnPoly* poly) {
        return std::vector<PointF>(poly->GetPointArray(),
                                   poly->GetPointArray() + poly->GetPointCount());
    }

    CQarnDoc doc;
    RepaintRecorder views;
};

// Every leg horizontal or vertical, two to six points.
inline ::testing::AssertionResult IsElbowRoute(const std::vector<PointF>& route) {
    if (route.size() < 2 || route.size() > 6) {
        return ::testing::AssertionFailure() << route.size() << " points";
    }
    for (size_t i = 1; i < route.size(); ++i) {
        const PointF& a = route[i - 1];
        const PointF& b = route[i];
        if (a.X != b.X && a.Y != b.Y) {
            return ::testing::AssertionFailure() << "leg " << i << " from (" << a.X << "," << a.Y
                                                 << ") to (" << b.X << "," << b.Y << ") is slanted";
        }
    }
    return ::testing::AssertionSuccess();
}

inline bool Near(const PointF& a, const PointF& b, float tolerance = 0.01f) {
    return std::fabs(a.X - b.X) <= tolerance && std::fabs(a.Y - b.Y) <= tolerance;
}

inline void PrintTo(const PointF& p, std::ostream* out) {
    *out << "(" << p.X << "," << p.Y << ")";
}
