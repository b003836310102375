#pragma once
// Symbols for the tests: templates of a few ordinary components, installing them for one test,
// and instances placed in a document the way the auto-shape tool places them.

#include <gtest/gtest.h>

#include <QByteArray>
#include <memory>

#include "core/canvas.h"
#include "core/configuration.h"
#include "core/custom_config.h"
#include "core/doc.h"
#include "core/layer.h"
#include "core/template_registry.h"
#include "platform/archive.h"
#include "shapes/auto_shape.h"
#include "shapes/auto_shape_templ.h"
#include "shapes/rect.h"
#include "shapes/shape_ids.h"
#include "shapes/template_missing_report.h"

constexpr ARGB kBoxFill = 0xFFFF0000u;
constexpr ARGB kBoxLine = 0xFF0000FFu;
constexpr ARGB kDiscFill = 0xFF00C000u;

// A rectangle or ellipse of the template, drawn with its own pen and fill.
inline CQarnRect* OwnShape(int shapeId, const RectF& frame, ARGB fill, ARGB line = kBoxLine) {
    auto* shape = new CQarnRect(frame);
    shape->SetShapeID(shapeId);
    shape->SetFillColor(Color(fill));
    shape->SetLineColor(Color(line));
    shape->SetLineWidth(2);
    shape->SetUseItsOwn(true);
    return shape;
}

// A 100 by 50 symbol: a red box over the left half and a green disc over the right half, with
// one anchor on the right edge (pointing right) and one at the bottom (pointing down).
inline CQarnAutoShapeTempl* BoxAndDisc(UINT id) {
    auto* t = new CQarnAutoShapeTempl();
    t->SetTemplateID(id);
    t->SetTemplateName(QStringLiteral("Valve"));
    t->SetPosition(RectF(0, 0, 100, 50));
    t->SetTextPosition(RectF(10, 10, 80, 30));
    t->AddComponent(OwnShape(Qarn::kShapeRectangle, RectF(5, 5, 40, 40), kBoxFill));
    t->AddComponent(OwnShape(Qarn::kShapeEllipse, RectF(55, 5, 40, 40), kDiscFill));
    t->AddAnchorPoint(PointF(100, 25), 2);
    t->AddAnchorPoint(PointF(50, 50), 4);
    return t;
}

// Installs a list of templates for the lifetime of the object, and takes every list away
// again at its end (the registry is shared by the whole test program).
class InstalledTemplates {
public:
    InstalledTemplates() { Qarn::AddASTemplateList(&list); }
    explicit InstalledTemplates(CQarnAutoShapeTempl* t) : InstalledTemplates() { list.append(t); }
    ~InstalledTemplates() {
        Qarn::ClearASTListEntry();
        qDeleteAll(list);
    }
    InstalledTemplates(const InstalledTemplates&) = delete;
    InstalledTemplates& operator=(const InstalledTemplates&) = delete;

    CQarnTemplateList list;
};

// Counts the reports of symbols found nowhere while it lives.
class MissingTemplateRecorder {
public:
    MissingTemplateRecorder() { before_ = Qarn::SetTemplateMissingReporter(&Record); }
    ~MissingTemplateRecorder() { Qarn::SetTemplateMissingReporter(before_); }
    MissingTemplateRecorder(const MissingTemplateRecorder&) = delete;
    MissingTemplateRecorder& operator=(const MissingTemplateRecorder&) = delete;

    static int& Count() {
        static int count = 0;
        return count;
    }

private:
    static void Record(CQarnAutoShape*) { ++Count(); }
    Qarn::TemplateMissingReporter before_ = nullptr;
};

// Sets "Replace Template" for the lifetime of the object.
class ReplaceTemplateSetting {
public:
    explicit ReplaceTemplateSetting(int on) : before_(Qarn::GetConfig()->m_nReplaceTemplate) {
        Qarn::GetConfig()->m_nReplaceTemplate = on;
    }
    ~ReplaceTemplateSetting() { Qarn::GetConfig()->m_nReplaceTemplate = before_; }
    ReplaceTemplateSetting(const ReplaceTemplateSetting&) = delete;
    ReplaceTemplateSetting& operator=(const ReplaceTemplateSetting&) = delete;

private:
    int before_;
};

// An instance added to the document's current layer and initialised there.
inline CQarnAutoShape* PlaceInstance(CQarnDoc& doc, const RectF& frame, UINT number) {
    auto* shape = new CQarnAutoShape(frame, number);
    doc.AddTail(shape);
    shape->Initialize(shape->GetLayer());
    return shape;
}

// The record an object writes for itself (class tag included).
inline QByteArray ObjectBytes(const CObject* object) {
    QByteArray bytes;
    CArchive out(CArchive::store, &bytes);
    out.WriteObject(object);
    return bytes;
}
