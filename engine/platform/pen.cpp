#include "platform/pen.h"

#include <QBrush>
#include <QPen>
#include <algorithm>
#include <cmath>

#include "platform/custom_line_cap.h"
#include "platform/solid_brush.h"

namespace {

Qt::PenCapStyle QtCap(int cap) {
    switch (cap) {
        case LineCapSquare:
            return Qt::SquareCap;
        case LineCapRound:
        case LineCapTriangle:
            return Qt::RoundCap;
        default:
            return Qt::FlatCap;
    }
}

Qt::PenCapStyle QtDashCap(DashCap cap) {
    return cap == DashCapFlat ? Qt::FlatCap : Qt::RoundCap;
}

Qt::PenJoinStyle QtJoin(LineJoin join) {
    switch (join) {
        case LineJoinBevel:
            return Qt::BevelJoin;
        case LineJoinRound:
            return Qt::RoundJoin;
        case LineJoinMiterClipped:
            return Qt::SvgMiterJoin;
        default:
            return Qt::MiterJoin;
    }
}

}  // namespace

// The width goes through the same check as SetWidth: a width that is not a finite,
// non-negative number leaves the pen at width 1 with InvalidParameter as its status.
Pen::Pen(const Color& color, float width, Unit unit)
    : brush_(std::make_unique<SolidBrush>(color)), unit_(unit) {
    SetWidth(width);
}

Pen::Pen(const Brush* brush, float width, Unit unit)
    : brush_(brush != nullptr ? brush->Clone() : new SolidBrush(Color(Color::Black))), unit_(unit) {
    SetWidth(width);
    if (brush == nullptr) {
        lastStatus_ = InvalidParameter;
    }
}

Pen::Pen(const Pen& other)
    : brush_(other.brush_->Clone()),
      width_(other.width_),
      unit_(other.unit_),
      dashStyle_(other.dashStyle_),
      dashCap_(other.dashCap_),
      customDashes_(other.customDashes_),
      dashOffset_(other.dashOffset_),
      startCap_(other.startCap_),
      endCap_(other.endCap_),
      customStart_(other.customStart_),
      customEnd_(other.customEnd_),
      lineJoin_(other.lineJoin_),
      miterLimit_(other.miterLimit_),
      alignment_(other.alignment_) {}

Pen& Pen::operator=(const Pen& other) {
    if (this != &other) {
        Pen copy(other);
        std::swap(brush_, copy.brush_);
        width_ = other.width_;
        unit_ = other.unit_;
        dashStyle_ = other.dashStyle_;
        dashCap_ = other.dashCap_;
        customDashes_ = other.customDashes_;
        dashOffset_ = other.dashOffset_;
        startCap_ = other.startCap_;
        endCap_ = other.endCap_;
        customStart_ = other.customStart_;
        customEnd_ = other.customEnd_;
        lineJoin_ = other.lineJoin_;
        miterLimit_ = other.miterLimit_;
        alignment_ = other.alignment_;
    }
    return *this;
}

Pen::~Pen() = default;

Status Pen::SetWidth(float width) {
    if (!std::isfinite(width) || width < 0.0f) {
        return Result(InvalidParameter);
    }
    width_ = width;
    return Result(Ok);
}

Color Pen::GetColor() const {
    if (brush_->GetType() == BrushTypeSolidColor) {
        return static_cast<const SolidBrush*>(brush_.get())->GetColor();
    }
    return Color(Color::Black);
}

Status Pen::SetColor(const Color& color) {
    brush_ = std::make_unique<SolidBrush>(color);
    return Result(Ok);
}

Status Pen::SetBrush(const Brush* brush) {
    if (brush == nullptr) {
        return Result(InvalidParameter);
    }
    brush_.reset(brush->Clone());
    return Result(Ok);
}

Status Pen::SetDashStyle(DashStyle style) {
    if (style < DashStyleSolid || style > DashStyleCustom) {
        return Result(InvalidParameter);
    }
    dashStyle_ = style;
    if (style != DashStyleCustom) {
        customDashes_.clear();
    }
    return Result(Ok);
}

Status Pen::SetDashCap(DashCap cap) {
    if (cap != DashCapFlat && cap != DashCapRound && cap != DashCapTriangle) {
        return Result(InvalidParameter);
    }
    dashCap_ = cap;
    return Result(Ok);
}

Status Pen::SetDashPattern(const float* lengths, int count) {
    if (lengths == nullptr || count <= 0) {
        return Result(InvalidParameter);
    }
    std::vector<float> pattern(lengths, lengths + count);
    for (float length : pattern) {
        if (!std::isfinite(length) || length <= 0.0f) {
            return Result(InvalidParameter);
        }
    }
    // An odd pattern repeats with dashes and gaps exchanged, which an even one spells out.
    if (pattern.size() % 2 != 0) {
        pattern.insert(pattern.end(), lengths, lengths + count);
    }
    customDashes_ = std::move(pattern);
    dashStyle_ = DashStyleCustom;
    return Result(Ok);
}

Status Pen::GetDashPattern(float* lengths, int count) const {
    std::vector<float> pattern = DashLengths();
    if (lengths == nullptr || count < int(pattern.size())) {
        return Result(InsufficientBuffer);
    }
    std::copy(pattern.begin(), pattern.end(), lengths);
    return Result(Ok);
}

Status Pen::SetDashOffset(float offset) {
    if (!std::isfinite(offset)) {
        return Result(InvalidParameter);
    }
    dashOffset_ = offset;
    return Result(Ok);
}

std::vector<float> Pen::DashLengths() const {
    switch (dashStyle_) {
        case DashStyleDash:
            return {3, 1};
        case DashStyleDot:
            return {1, 1};
        case DashStyleDashDot:
            return {3, 1, 1, 1};
        case DashStyleDashDotDot:
            return {3, 1, 1, 1, 1, 1};
        case DashStyleCustom:
            return customDashes_;
        default:
            return {};
    }
}

Status Pen::SetStartCap(LineCap cap) {
    startCap_ = cap;
    customStart_.reset();
    return Result(Ok);
}

Status Pen::SetEndCap(LineCap cap) {
    endCap_ = cap;
    customEnd_.reset();
    return Result(Ok);
}

Status Pen::SetLineCap(LineCap startCap, LineCap endCap, DashCap dashCap) {
    SetStartCap(startCap);
    SetEndCap(endCap);
    return SetDashCap(dashCap);
}

Status Pen::SetCustomStartCap(const CustomLineCap* cap) {
    if (cap == nullptr) {
        return Result(InvalidParameter);
    }
    customStart_ = std::make_shared<const CustomLineCap>(*cap);
    startCap_ = LineCapCustom;
    return Result(Ok);
}

Status Pen::SetCustomEndCap(const CustomLineCap* cap) {
    if (cap == nullptr) {
        return Result(InvalidParameter);
    }
    customEnd_ = std::make_shared<const CustomLineCap>(*cap);
    endCap_ = LineCapCustom;
    return Result(Ok);
}

Status Pen::SetLineJoin(LineJoin join) {
    if (join < LineJoinMiter || join > LineJoinMiterClipped) {
        return Result(InvalidParameter);
    }
    lineJoin_ = join;
    return Result(Ok);
}

Status Pen::SetMiterLimit(float limit) {
    if (!std::isfinite(limit)) {
        return Result(InvalidParameter);
    }
    // A miter can never be shorter than the line is wide.
    miterLimit_ = std::max(limit, 1.0f);
    return Result(Ok);
}

Status Pen::SetAlignment(PenAlignment alignment) {
    if (alignment != PenAlignmentCenter && alignment != PenAlignmentInset) {
        return Result(InvalidParameter);
    }
    alignment_ = alignment;
    return Result(Ok);
}

bool Pen::StrokesLike(const Pen& other) const {
    const auto sameCap = [](const std::shared_ptr<const CustomLineCap>& a,
                            const std::shared_ptr<const CustomLineCap>& b) {
        return a == b || (a != nullptr && b != nullptr && a->SameAs(*b));
    };
    return width_ == other.width_ && unit_ == other.unit_ && dashStyle_ == other.dashStyle_ &&
           dashCap_ == other.dashCap_ && customDashes_ == other.customDashes_ &&
           dashOffset_ == other.dashOffset_ && startCap_ == other.startCap_ &&
           endCap_ == other.endCap_ && lineJoin_ == other.lineJoin_ &&
           miterLimit_ == other.miterLimit_ && alignment_ == other.alignment_ &&
           sameCap(customStart_, other.customStart_) && sameCap(customEnd_, other.customEnd_);
}

QPen Pen::ToQPen() const {
    QPen pen(brush_->ToQBrush(), qreal(width_));
    std::vector<float> dashes = DashLengths();
    if (dashes.empty()) {
        pen.setStyle(Qt::SolidLine);
        pen.setCapStyle(QtCap(endCap_));
    } else {
        pen.setDashPattern(QList<qreal>(dashes.begin(), dashes.end()));
        pen.setDashOffset(qreal(dashOffset_));
        pen.setCapStyle(QtDashCap(dashCap_));
    }
    pen.setJoinStyle(QtJoin(lineJoin_));
    // Qt measures the miter from the join point, half the inner-to-outer length.
    pen.setMiterLimit(qreal(miterLimit_) / 2.0);
    return pen;
}
