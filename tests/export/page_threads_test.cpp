// A page drawn on several threads has the pixels of the page drawn on one, and what drawing
// keeps aside (outlines, strokes, text) follows every change of a component.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <thread>
#include <vector>

#include "core/canvas.h"
#include "core/doc.h"
#include "core/layer.h"
#include "export/page_renderer.h"
#include "platform/graphics.h"
#include "properties/pen_property.h"
#include "properties/text_property.h"
#include "shapes/poly.h"
#include "shapes/rect.h"
#include "support/mixed_page.h"

namespace {

int Differing(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) {
        return -1;
    }
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* p = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* q = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            count += p[x] != q[x] ? 1 : 0;
        }
    }
    return count;
}

void ExpectSameOnEveryThreadCount(const CQarnDoc& doc, int dpi) {
    const QImage one = CPageRenderer::ToImage(doc, doc.GetCurrentCanvas(), dpi, 1);
    ASSERT_FALSE(one.isNull());
    for (const int threads : {2, 3, 5}) {
        const QImage many = CPageRenderer::ToImage(doc, doc.GetCurrentCanvas(), dpi, threads);
        EXPECT_EQ(Differing(one, many), 0) << threads << " threads at " << dpi << " dpi";
    }
}

TEST(PageThreads, MixedPagesDrawTheSameOnAnyNumberOfThreads) {
    for (const int count : {300, 3000}) {
        CQarnDoc doc;
        ASSERT_TRUE(doc.OnNewDocument());
        Qarn::Bench::FillMixedPage(doc, count, 7u + unsigned(count));
        ExpectSameOnEveryThreadCount(doc, 96);
    }
}

TEST(PageThreads, TheSampleDrawsTheSameOnAnyNumberOfThreads) {
    CQarnDoc doc;
    QString reason;
    ASSERT_TRUE(doc.OnOpenDocument(QStringLiteral(QARN_SAMPLE_FILE), &reason))
        << reason.toStdString();
    for (CQarnCanvas* canvas : doc.GetCanvasList()) {
        doc.GoToCanvas(canvas);
        ExpectSameOnEveryThreadCount(doc, 150);
    }
}

TEST(PageThreads, TextLeavingItsShapeIsDrawnInEveryBandItReaches) {
    CQarnDoc doc;
    ASSERT_TRUE(doc.OnNewDocument());
    // Many small shapes at the top and at the bottom put the cut between the bands near the
    // middle, below two tiny shapes whose unclipped text reaches far beyond them.
    for (int i = 0; i < 100; ++i) {
        doc.AddTail(new CQarnRect(RectF(float(8 * i % 800), 60, 6, 6)));
        doc.AddTail(new CQarnRect(RectF(float(8 * i % 800), 1000, 6, 6)));
    }
    for (const float y : {470.0f, 530.0f}) {
        auto* box = new CQarnRect(RectF(300, y, 4, 4));
        auto* text = new CQarnTextProperty();
        text->SetText(QStringLiteral("Spilling over"));
        text->SetFontSize(100.0f);
        text->SetStringFormat(CQarnTextProperty::NoClip | CQarnTextProperty::NoWrap);
        box->AddProperty(text);
        doc.AddTail(box);
    }
    ExpectSameOnEveryThreadCount(doc, 96);
}

// A polyline with a text and a wide pen, built fresh with the values given.
CQarnPoly* Line(CQarnDoc& doc, float width, float bend, const QString& text) {
    auto* poly = new CQarnPoly(RectF(20, 20, 280, 140));
    for (const PointF& p : {PointF(20, 20), PointF(120, bend), PointF(220, 40), PointF(300, 160)}) {
        poly->AddPoint(p);
    }
    poly->SetFill(false);
    poly->SetClosed(false);
    poly->GetPenProperty()->SetLineWidth(width);
    poly->RecalcBounds();
    auto* label = new CQarnTextProperty();
    label->SetText(text);
    poly->AddProperty(label);
    poly->ResetPath();
    doc.AddTail(poly);
    return poly;
}

TEST(PageThreads, WhatDrawingKeepsFollowsEveryChange) {
    CQarnDoc edited;
    ASSERT_TRUE(edited.OnNewDocument());
    CQarnPoly* poly = Line(edited, 2.0f, 140.0f, QStringLiteral("before"));
    // Drawn once, the component keeps its stroke and its text's outline...
    CPageRenderer::ToImage(edited, edited.GetCurrentCanvas(), 96, 1);
    // ...which must not outlive the changes that follow.
    poly->GetPenProperty()->SetLineWidth(6.0f);
    poly->SetPoint(2, PointF(120, 60), 0);
    poly->RecalcBounds();
    poly->ResetPath();
    dynamic_cast<CQarnTextProperty*>(poly->GetTextFacet())->SetText(QStringLiteral("after"));

    CQarnDoc fresh;
    ASSERT_TRUE(fresh.OnNewDocument());
    Line(fresh, 6.0f, 60.0f, QStringLiteral("after"));
    EXPECT_EQ(Differing(CPageRenderer::ToImage(edited, edited.GetCurrentCanvas(), 96, 1),
                        CPageRenderer::ToImage(fresh, fresh.GetCurrentCanvas(), 96, 1)),
              0);
}

TEST(PageThreads, APreparedComponentDrawsAlikeOnManyThreadsAtOnce) {
    CQarnDoc doc;
    ASSERT_TRUE(doc.OnNewDocument());
    Qarn::Bench::FillMixedPage(doc, 400, 99u);
    CQarnCanvas* canvas = doc.GetCurrentCanvas();
    const QImage expected = CPageRenderer::ToImage(doc, canvas, 96, 1);
    for (CQarnComponent* c : canvas->GetCurrentLayer()->GetList()) {
        c->PrepareForDrawing();
    }
    // Every thread draws every component: each is drawn by all threads at once.
    std::vector<QImage> images(6, QImage(expected.size(), expected.format()));
    std::vector<std::thread> threads;
    for (QImage& image : images) {
        threads.emplace_back([&] {
            image.fill(Qt::white);
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.scale(0.96, 0.96);
            Graphics graphics(&painter);
            doc.Draw(&graphics, CRect(0, 0, canvas->GetWidth(), canvas->GetHeight()), canvas, 0);
        });
    }
    for (std::thread& t : threads) {
        t.join();
    }
    for (const QImage& image : images) {
        EXPECT_EQ(Differing(image, expected), 0);
    }
}

}  // namespace
