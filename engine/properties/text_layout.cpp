#include "properties/text_layout.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QTextLayout>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <functional>

#include "core/rect_geometry.h"
#include "platform/graphics.h"
#include "platform/graphics_path.h"
#include "platform/prepared_path.h"
#include "properties/font_property.h"
#include "properties/glyph_outlines.h"

namespace {

constexpr double kUnitsPerPoint = 100.0 / 72.0;
// Fonts come in whole pixel sizes, so the text is laid out at this size and scaled to its
// own: lines then break where the font's design puts them, at any size.
constexpr double kLayoutPixels = 128.0;
// Lines of text never wider than this (in layout pixels) when nothing wraps them; well within
// the range of the layout's fixed-point numbers.
constexpr double kUnboundedWidth = 1.0e7;
constexpr double kEdgeTolerance = 0.01;
// Font sizes in document units are kept within these bounds.
constexpr double kLargestFont = 100000.0;

// Fonts are resolved on a device of 72 dots per inch, so that a size in points is the size in
// layout units: the layout knows nothing of the screen it may later be drawn on.
QPaintDevice* ReferenceDevice() {
    static QImage device = [] {
        QImage image(1, 1, QImage::Format_ARGB32);
        image.setDotsPerMeterX(2835);  // 72 dpi
        image.setDotsPerMeterY(2835);
        return image;
    }();
    return &device;
}

// Line feeds end lines; a carriage return (alone or before a line feed) takes no room.
QString PrepareText(const QString& text) {
    QString prepared = text;
    for (QChar& c : prepared) {
        if (c == QLatin1Char('\n')) {
            c = QChar::LineSeparator;
        } else if (c == QLatin1Char('\r')) {
            c = QChar(0x200B);
        }
    }
    return prepared;
}

}  // namespace

CQarnTextLayout::CQarnTextLayout(const QString& text, const CQarnFontProperty& font, const RectF& r,
                                 BYTE xAlign, BYTE yAlign, DWORD formatFlags, BYTE trimming)
    : text_(text), rect_(r), formatFlags_(formatFlags), trimming_(trimming) {
    // A rectangle or font size read from a damaged file must not reach the layout's
    // fixed-point arithmetic: nothing finite to lay out in is a point at the origin.
    if (!std::isfinite(rect_.X) || !std::isfinite(rect_.Y) || !std::isfinite(rect_.Width) ||
        !std::isfinite(rect_.Height)) {
        rect_ = RectF();
    }
    Qarn::NormalizeRectF(rect_);
    const bool vertical = (formatFlags_ & Vertical) != 0;
    flow_ =
        vertical ? RectF(-rect_.Height / 2, -rect_.Width / 2, rect_.Height, rect_.Width) : rect_;
    const double points = double(font.GetFontSize());
    pixelSize_ = std::isfinite(points) ? std::clamp(points * kUnitsPerPoint, 0.01, kLargestFont)
                                       : 12.0 * kUnitsPerPoint;
    scale_ = kLayoutPixels / pixelSize_;
    if (text_.isEmpty()) {
        return;
    }

    QFont qfont = font.CreateQFont();
    qfont.setPointSizeF(kLayoutPixels);
    // Advances as the font designer made them, without kerning: the same line breaks at any
    // size and on any device.
    qfont.setKerning(false);
    qfont.setHintingPreference(QFont::PreferNoHinting);
    layout_ = std::make_unique<QTextLayout>(PrepareText(text_), qfont, ReferenceDevice());

    const bool rightToLeft = (formatFlags_ & RightToLeft) != 0;
    const bool wrap = (formatFlags_ & NoWrap) == 0 && flow_.Width > 0;
    QTextOption option(Qt::AlignLeft | Qt::AlignAbsolute);
    option.setUseDesignMetrics(true);
    option.setTextDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    option.setWrapMode(wrap ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
    layout_->setTextOption(option);

    // In layout pixels from the flow rectangle's top-left corner.
    const double pad = Padding() * scale_;
    // Room for the text between the paddings; negative for a box narrower than them, which
    // still places a line of no width about the box.
    const double room = std::min(kUnboundedWidth, (flow_.Width - 2 * Padding()) * scale_);
    const double boxHeight = std::min(kUnboundedWidth, flow_.Height * scale_);
    double height = 0;
    layout_->beginLayout();
    for (QTextLine line = layout_->createLine(); line.isValid(); line = layout_->createLine()) {
        line.setLeadingIncluded(true);
        line.setLineWidth(wrap ? std::max(0.0, room) : kUnboundedWidth);
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout_->endLayout();

    // Right-to-left text starts at the far side.
    BYTE across = xAlign;
    if (rightToLeft && across != 1) {
        across = across == 0 ? 2 : 0;
    }
    double top = 0;
    if (yAlign == 1) {
        top = (boxHeight - height) / 2;
    } else if (yAlign == 2) {
        top = boxHeight - height;
    }
    for (int i = 0; i < layout_->lineCount(); ++i) {
        QTextLine line = layout_->lineAt(i);
        const double width = line.naturalTextWidth();
        double offset = 0;
        if (across == 1) {
            offset = (room - width) / 2;
        } else if (across == 2) {
            offset = room - width;
        }
        line.setPosition(QPointF(pad + offset, top + line.y()));
    }
    MarkCutText(qfont, option, across, room);
}

// With an ellipsis trimming, the last line that shows ends in an ellipsis when text is cut
// off: lines below it or, without wrapping, the end of a line too long. The path ellipsis
// keeps the line's start and end and leaves out its middle.
void CQarnTextLayout::MarkCutText(const QFont& font, const QTextOption& option, BYTE across,
                                  double room) {
    if (trimming_ < 3 || trimming_ > 5 || (formatFlags_ & NoClip) != 0 || room <= 0) {
        return;
    }
    int last = -1;
    for (int i = 0; i < GetLineCount(); ++i) {
        last = IsShown(i) ? i : last;
    }
    if (last < 0) {
        return;
    }
    const QTextLine line = layout_->lineAt(last);
    const QString prepared = layout_->text();
    QString words = prepared.mid(line.textStart(), line.textLength());
    while (!words.isEmpty() && (words.back() == QChar::LineSeparator || words.back() == u' ')) {
        words.chop(1);
    }
    const QString rest = prepared.mid(line.textStart() + line.textLength()).trimmed();
    const bool linesCut = !rest.isEmpty();
    if (!linesCut && line.naturalTextWidth() <= room) {
        return;
    }
    const QFontMetricsF metrics(font, ReferenceDevice());
    const QChar ellipsis(0x2026);
    QString shown;
    if (trimming_ == 5) {
        shown = metrics.elidedText(words, Qt::ElideMiddle, room);
        if (linesCut && shown == words) {
            shown = metrics.elidedText(words + ellipsis, Qt::ElideMiddle, room);
        }
    } else if (linesCut && metrics.horizontalAdvance(words + ellipsis) <= room) {
        shown = words + ellipsis;
    } else {
        // Forced to elide: more text follows than the line can hold.
        shown =
            metrics.elidedText(words + QString(prepared.size() + 1, u'x'), Qt::ElideRight, room);
        if (trimming_ == 4) {
            // Word trimming gives up the word the ellipsis would cut into.
            const qsizetype space = shown.lastIndexOf(u' ');
            if (space > 0) {
                shown = shown.left(space) + ellipsis;
            }
        }
    }
    cut_ = std::make_unique<QTextLayout>(shown, font, ReferenceDevice());
    QTextOption single = option;
    single.setWrapMode(QTextOption::NoWrap);
    cut_->setTextOption(single);
    cut_->beginLayout();
    QTextLine cutLine = cut_->createLine();
    cutLine.setLeadingIncluded(true);
    cutLine.setLineWidth(kUnboundedWidth);
    cut_->endLayout();
    double offset = 0;
    if (across == 1) {
        offset = (room - cutLine.naturalTextWidth()) / 2;
    } else if (across == 2) {
        offset = room - cutLine.naturalTextWidth();
    }
    cutLine.setPosition(QPointF(Padding() * scale_ + offset, line.y()));
    cutIndex_ = last;
}

CQarnTextLayout::~CQarnTextLayout() = default;

double CQarnTextLayout::Padding() const {
    return pixelSize_ / 6;
}

int CQarnTextLayout::GetLineCount() const {
    return layout_ ? layout_->lineCount() : 0;
}

bool CQarnTextLayout::IsShown(int index) const {
    if ((formatFlags_ & NoClip) != 0 || flow_.Height <= 0) {
        return true;
    }
    const QRectF line = FromLayout(layout_->lineAt(index).rect());
    const double top = line.top();
    const double bottom = line.bottom();
    const double boxTop = flow_.Y;
    const double boxBottom = flow_.Y + flow_.Height;
    if (trimming_ != 0) {
        // Trimmed text shows whole lines only.
        return top >= boxTop - kEdgeTolerance && bottom <= boxBottom + kEdgeTolerance;
    }
    return top < boxBottom && bottom > boxTop;
}

int CQarnTextLayout::GetShownLineCount() const {
    int shown = 0;
    for (int i = 0; i < GetLineCount(); ++i) {
        shown += IsShown(i) ? 1 : 0;
    }
    return shown;
}

CQarnCharRange CQarnTextLayout::GetLineRange(int index) const {
    if (index < 0 || index >= GetLineCount()) {
        return CQarnCharRange{int(text_.size()), 0};
    }
    const QTextLine line = layout_->lineAt(index);
    return CQarnCharRange{line.textStart(), line.textLength()};
}

QRectF CQarnTextLayout::FromLayout(const QRectF& r) const {
    return QRectF(flow_.X + r.x() / scale_, flow_.Y + r.y() / scale_, r.width() / scale_,
                  r.height() / scale_);
}

RectF CQarnTextLayout::ToDocument(const RectF& box) const {
    if ((formatFlags_ & Vertical) == 0) {
        return box;
    }
    // The flow turned a quarter clockwise about the rectangle's centre: (u, v) shows at
    // (cx - v, cy + u).
    const float cx = rect_.X + rect_.Width / 2;
    const float cy = rect_.Y + rect_.Height / 2;
    return RectF(cx - (box.Y + box.Height), cy + box.X, box.Height, box.Width);
}

RectF CQarnTextLayout::GetBoundRect(bool allLines) const {
    bool any = false;
    double left = 0, top = 0, right = 0, bottom = 0;
    for (int i = 0; i < GetLineCount(); ++i) {
        if (!allLines && !IsShown(i)) {
            continue;
        }
        const QRectF r = FromLayout(layout_->lineAt(i).naturalTextRect());
        if (!any) {
            left = r.left();
            top = r.top();
            right = r.right();
            bottom = r.bottom();
            any = true;
        } else {
            left = std::min(left, r.left());
            top = std::min(top, r.top());
            right = std::max(right, r.right());
            bottom = std::max(bottom, r.bottom());
        }
    }
    if (!any) {
        return RectF(rect_.X + rect_.Width / 2, rect_.Y + rect_.Height / 2, 0, 0);
    }
    left -= Padding();
    right += Padding();
    if (!allLines && (formatFlags_ & NoClip) == 0) {
        // What is clipped away is not measured.
        if (flow_.Width > 0) {
            left = std::max(left, double(flow_.X));
            right = std::min(right, double(flow_.X + flow_.Width));
        }
        if (flow_.Height > 0) {
            top = std::max(top, double(flow_.Y));
            bottom = std::min(bottom, double(flow_.Y + flow_.Height));
        }
    }
    return ToDocument(RectF(float(left), float(top), float(std::max(0.0, right - left)),
                            float(std::max(0.0, bottom - top))));
}

RectF CQarnTextLayout::MeasureRange(int index, int first, int length) const {
    if (index < 0 || index >= GetLineCount()) {
        return RectF(rect_.X + rect_.Width / 2, rect_.Y + rect_.Height / 2, 0, 0);
    }
    const QTextLine line = layout_->lineAt(index);
    const int start = std::clamp(first, line.textStart(), line.textStart() + line.textLength());
    const int end =
        std::clamp(first + std::max(0, length), start, line.textStart() + line.textLength());
    const double x1 = line.cursorToX(start);
    const double x2 = line.cursorToX(end);
    const QRectF box =
        FromLayout(QRectF(std::min(x1, x2), line.y(), std::fabs(x2 - x1), line.height()));
    return ToDocument(
        RectF(float(box.x()), float(box.y()), float(box.width()), float(box.height())));
}

void CQarnTextLayout::ForEachShownLine(
    const std::function<void(const QTextLine& shown, const QList<QRectF>& rules)>& visit) const {
    const QFont& font = layout_->font();
    const QFontMetricsF metrics(font, ReferenceDevice());
    for (int i = 0; i < GetLineCount(); ++i) {
        if (!IsShown(i)) {
            continue;
        }
        const QTextLine line = layout_->lineAt(i);
        // A line cut short shows its shortened form.
        const QTextLine shown = i == cutIndex_ ? cut_->lineAt(0) : line;
        QList<QRectF> rules;
        const double width = shown.naturalTextWidth();
        if (width > 0) {
            const double x = shown.naturalTextRect().left();
            const double baseline = line.y() + line.ascent();
            const double thickness = std::max(metrics.lineWidth(), kLayoutPixels / 20);
            if (font.underline()) {
                rules.append(
                    QRectF(x, baseline + metrics.underlinePos() - thickness / 2, width, thickness));
            }
            if (font.strikeOut()) {
                rules.append(
                    QRectF(x, baseline - metrics.strikeOutPos() - thickness / 2, width, thickness));
            }
        }
        visit(shown, rules);
    }
}

QPainterPath CQarnTextLayout::GetOutline() const {
    QPainterPath outline;
    outline.setFillRule(Qt::WindingFill);
    if (!layout_) {
        return outline;
    }
    ForEachShownLine([&](const QTextLine& shown, const QList<QRectF>& rules) {
        for (const QGlyphRun& run : shown.glyphRuns()) {
            const QRawFont raw = run.rawFont();
            const QList<quint32> glyphs = run.glyphIndexes();
            const QList<QPointF> positions = run.positions();
            for (qsizetype g = 0; g < glyphs.size() && g < positions.size(); ++g) {
                outline.addPath(Qarn::GlyphOutline(raw, glyphs[g]).translated(positions[g]));
            }
        }
        for (const QRectF& rule : rules) {
            outline.addRect(rule);
        }
    });
    return ToDocument().map(outline);
}

QTransform CQarnTextLayout::ToDocument() const {
    // From layout pixels to the flow, then to the document.
    QTransform toDocument =
        QTransform::fromScale(1 / scale_, 1 / scale_) * QTransform::fromTranslate(flow_.X, flow_.Y);
    if ((formatFlags_ & Vertical) != 0) {
        const double cx = rect_.X + rect_.Width / 2.0;
        const double cy = rect_.Y + rect_.Height / 2.0;
        toDocument *= QTransform(0, 1, -1, 0, cx, cy);
    }
    return toDocument;
}

void CQarnTextLayout::DrawAsText(Graphics* graphics, const QColor& color) const {
    QPainter* painter = graphics != nullptr ? graphics->GetPainter() : nullptr;
    if (painter == nullptr || !layout_) {
        return;
    }
    const GraphicsState state = graphics->Save();
    if (const RectF* clip = GetClipRect()) {
        graphics->IntersectClip(*clip);
    }
    painter->save();
    painter->setTransform(ToDocument(), true);
    painter->setPen(color);
    ForEachShownLine([&](const QTextLine& shown, const QList<QRectF>& rules) {
        for (const QGlyphRun& run : shown.glyphRuns()) {
            painter->drawGlyphRun(QPointF(0, 0), run);
        }
        for (const QRectF& rule : rules) {
            painter->fillRect(rule, color);
        }
    });
    painter->restore();
    graphics->Restore(state);
}

void CQarnTextLayout::Draw(Graphics* graphics, const Brush* brush, bool antialias) const {
    if (graphics == nullptr || brush == nullptr || !layout_) {
        return;
    }
    GraphicsPath outline(GetOutline());
    if (outline.GetPointCount() == 0) {
        return;
    }
    outline.SetFillMode(FillModeWinding);
    FillOutline(graphics, brush, PreparedPath(outline), GetClipRect(), antialias);
}

const RectF* CQarnTextLayout::GetClipRect() const {
    return (formatFlags_ & NoClip) == 0 ? &rect_ : nullptr;
}

void CQarnTextLayout::FillOutline(Graphics* graphics, const Brush* brush,
                                  const PreparedPath& outline, const RectF* clip, bool antialias) {
    if (graphics == nullptr || brush == nullptr || outline.IsEmpty()) {
        return;
    }
    const GraphicsState state = graphics->Save();
    if (clip != nullptr) {
        graphics->IntersectClip(*clip);
    }
    graphics->SetSmoothingMode(antialias ? SmoothingModeAntiAlias : SmoothingModeNone);
    graphics->FillPath(brush, outline);
    graphics->Restore(state);
}
