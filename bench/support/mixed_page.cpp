#include "support/mixed_page.h"

#include <QString>
#include <cmath>
#include <random>

#include "core/canvas.h"
#include "core/doc.h"
#include "properties/basic_brush_property.h"
#include "properties/brush_property.h"
#include "properties/text_property.h"
#include "shapes/arc_pie.h"
#include "shapes/poly.h"
#include "shapes/rect.h"
#include "shapes/shape_ids.h"

namespace Qarn::Bench {

namespace {

enum class Kind { Rectangle, Ellipse, Polyline, Arc, Pie };

class Generator {
public:
    Generator(std::uint32_t seed, int count, bool gradients)
        : random_(seed), gradients_(gradients) {
        // The mean side makes the shapes cover the page about twice over.
        const double area = double(kLetterWidth) * kLetterHeight;
        meanSide_ = float(1.4 * std::sqrt(area / std::max(count, 1)));
    }

    CQarnComponent* Next(int index) {
        const RectF frame = Frame();
        CQarnComponent* c = nullptr;
        switch (Kind(Uniform(0, 4))) {
            case Kind::Rectangle:
                c = Box(frame, Qarn::kShapeRectangle);
                break;
            case Kind::Ellipse:
                c = Box(frame, Qarn::kShapeEllipse);
                break;
            case Kind::Polyline:
                c = Polyline(frame);
                break;
            case Kind::Arc:
                c = Piece(frame, Qarn::kShapeArc);
                break;
            case Kind::Pie:
                c = Piece(frame, Qarn::kShapePie);
                break;
        }
        Paint(c);
        if (index % 20 == 19) {
            auto* text = new CQarnTextProperty();
            text->SetText(QStringLiteral("Item %1").arg(index));
            text->SetFontSize(float(Uniform(6, 10)));
            c->AddProperty(text);
        }
        c->ResetPath();
        return c;
    }

private:
    int Uniform(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random_);
    }
    float Real(float low, float high) {
        return std::uniform_real_distribution<float>(low, high)(random_);
    }

    RectF Frame() {
        const float w = meanSide_ * Real(0.5f, 1.5f);
        const float h = meanSide_ * Real(0.5f, 1.5f);
        return RectF(Real(0, kLetterWidth - w), Real(0, kLetterHeight - h), w, h);
    }

    static CQarnComponent* Box(const RectF& frame, int shape) {
        auto* box = new CQarnRect(frame);
        box->SetShapeID(shape);
        return box;
    }

    CQarnComponent* Polyline(const RectF& frame) {
        auto* poly = new CQarnPoly(frame);
        const int points = Uniform(3, 5);
        for (int i = 0; i < points; ++i) {
            poly->AddPoint(
                PointF(frame.X + frame.Width * i / (points - 1), frame.Y + Real(0, frame.Height)));
        }
        poly->SetFill(false);
        poly->SetClosed(false);
        poly->RecalcBounds();
        return poly;
    }

    static CQarnComponent* Piece(const RectF& frame, int shape) {
        auto* piece = new CQarnArcPie(frame);
        piece->SetShapeID(shape);
        return piece;
    }

    void Paint(CQarnComponent* c) {
        c->SetLineWidth(float(Uniform(1, 3)));
        c->SetLineColor(Color(0xFF000000u | std::uint32_t(Uniform(0, 0x7F7F7F))));
        c->SetFillColor(Color(0xFF000000u | std::uint32_t(Uniform(0x808080, 0xFFFFFF))));
        // Drawn either way, so that pages with and without gradients differ in fills only.
        const bool gradient = Uniform(0, 3) == 0;
        const Color second(0xFF000000u | std::uint32_t(Uniform(0, 0xFFFFFF)));
        if (gradient && gradients_ && c->GetBrushProperty() != nullptr) {
            c->SetBrushType(CQarnBrushProperty::LinearGradient);
            c->GetBrushProperty()->SetColor2(second);
        }
    }

    std::mt19937 random_;
    bool gradients_;
    float meanSide_;
};

}  // namespace

void FillMixedPage(CQarnDoc& doc, int count, std::uint32_t seed, bool gradients) {
    CQarnCanvas* page = doc.GetCurrentCanvas();
    if (page == nullptr) {
        return;
    }
    page->SetSize(kLetterWidth, kLetterHeight);
    Generator generator(seed, count, gradients);
    for (int i = 0; i < count; ++i) {
        doc.AddTail(generator.Next(i));
    }
}

}  // namespace Qarn::Bench
