#pragma once
// Helpers of the control and dialog tests: warnings taken instead of shown, keys typed into a
// widget, and the bytes a component's record holds.

#include <QCoreApplication>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include "controls/warning.h"
#include "core/component.h"
#include "support/stored_record.h"

// Takes every warning a dialog shows while it lives.
class WarningCatcher {
public:
    WarningCatcher() {
        m_Previous = Qarn::SetWarningHandler(
            [this](QWidget*, const QString& text) { warnings.append(text); });
    }
    ~WarningCatcher() { Qarn::SetWarningHandler(m_Previous); }
    WarningCatcher(const WarningCatcher&) = delete;
    WarningCatcher& operator=(const WarningCatcher&) = delete;

    QStringList warnings;

private:
    Qarn::WarningHandler m_Previous;
};

// Replaces the text of a line edit as a user would: select all, type.
inline void TypeInto(QWidget* edit, const QString& text) {
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

// The component's record as a file holds it.
inline QByteArray RecordOf(CQarnComponent& component) {
    return StoredRecord(component);
}

#include "core/doc.h"
#include "properties/label_property.h"
#include "properties/shadow_property.h"
#include "properties/text_property.h"
#include "properties/tip_property.h"
#include "shapes/poly.h"
#include "shapes/rect.h"

// A document with a rectangle that carries text, a label, a tip and a shadow, and a polyline
// with arrow heads, both on the first layer.
struct SampleDrawing {
    CQarnDoc doc;
    CQarnRect* box = nullptr;
    CQarnPoly* line = nullptr;

    SampleDrawing() {
        doc.OnNewDocument();
        box = new CQarnRect(RectF(100, 80, 180, 110));
        box->SetFillColor(Color(0xFFB3D9FFu));
        box->SetLineColor(Color(0xFF203040u));
        box->SetLineWidth(2);
        auto* text = new CQarnTextProperty();
        text->SetText(QStringLiteral("Pump\r\nstation"));
        text->SetFontSize(14);
        box->AddProperty(text);
        box->AddProperty(new CQarnLabelProperty(RectF(140, 194, 100, 24)));
        box->AddProperty(new CQarnTipProperty(QStringLiteral("<b>Pump 3</b>")));
        auto* shadow = new CQarnShadowProperty();
        shadow->SetXOffset(3);
        box->AddProperty(shadow);
        box->ResetPath();
        doc.AddTail(box);

        line = new CQarnPoly(RectF(320, 120, 200, 60));
        for (PointF p : {PointF(320, 180), PointF(380, 120), PointF(450, 170), PointF(520, 130)}) {
            line->AddPoint(p);
        }
        line->RecalcBounds(0);
        line->SetEndArrow(ArrowTypeArrow);
        line->ResetPath();
        doc.AddTail(line);
    }
};

// Presses Enter in a dialog as the user does: on its default button, which needs the dialog
// on screen.
inline void PressEnter(QWidget& dialog) {
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Return);
}
