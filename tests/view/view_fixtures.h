#pragma once
// A drawing view on a fresh document, shown on the offscreen platform, and helpers to put
// shapes on its page.

#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

#include "core/canvas.h"
#include "core/doc.h"
#include "core/layer.h"
#include "core/library_init.h"
#include "shapes/rect.h"
#include "shapes/shape_ids.h"
#include "view/base_view.h"

class ViewTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { QarnDllInitialize(); }

    void SetUp() override {
        doc = std::make_unique<CQarnDoc>();
        doc->OnNewDocument();
        doc->GetCurrentCanvas()->SetSize(800, 600);
        view = std::make_unique<CQarnBaseView>();
        view->resize(ViewSize());
        view->SetDocument(doc.get());
        view->show();
        QApplication::processEvents();
    }
    void TearDown() override {
        view.reset();
        doc.reset();
    }
    virtual QSize ViewSize() const { return QSize(400, 300); }

    // A filled rectangle (or ellipse) added on top of the layer (the current one when null).
    CQarnRect* AddBox(const RectF& r, CQarnLayer* layer = nullptr,
                      int shape = Qarn::kShapeRectangle) {
        auto* box = new CQarnRect(r);
        box->SetShapeID(shape);
        box->ResetPath();
        doc->AddTail(box, layer);
        return box;
    }
    CQarnLayer* Layer0() const { return doc->GetCurrentCanvas()->GetLayers().first(); }
    CQarnLayer* AddLayer() const { return doc->GetCurrentCanvas()->AddNewLayer(); }

    // A client rectangle over a document rectangle.
    CRect ClientOf(const CRect& docRect) const {
        CRect r = docRect;
        view->DocToClient(r);
        return r;
    }

    std::unique_ptr<CQarnDoc> doc;
    std::unique_ptr<CQarnBaseView> view;
};
