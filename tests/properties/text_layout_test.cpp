#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QImage>
#include <QPainterPath>
#include <QStringList>
#include <cmath>
#include <limits>

#include "core/geometry_fixtures.h"
#include "platform/font_mapper.h"
#include "platform/graphics.h"
#include "platform/solid_brush.h"
#include "properties/text_layout.h"
#include "properties/text_property.h"

namespace {

constexpr float kEm = 12.0f * 100.0f / 72.0f;  // a 12 point font in document units
constexpr float kPad = kEm / 6;

QString Slice(const QString& text, const CQarnCharRange& range) {
    return text.mid(range.first, range.length);
}

std::unique_ptr<CQarnTextProperty> Measured(const QString& words, const RectF& r, BYTE xAlign = 1,
                                            BYTE yAlign = 1, DWORD flags = 0) {
    auto text = std::make_unique<CQarnTextProperty>();
    text->SetText(words);
    text->SetXAlignment(xAlign);
    text->SetYAlignment(yAlign);
    text->SetStringFormat(flags);
    text->UpdateBounds(nullptr, r);
    return text;
}

// The advance of a word in the layout's font, unkerned and unhinted.
double Advance(const QString& word) {
    QFont font = CFontMapper::CreateFont(QStringLiteral("Arial"), 12, 0);
    font.setPixelSize(100);
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferNoHinting);
    return QFontMetricsF(font).horizontalAdvance(word) * kEm / 100.0;
}

QRect DarkBounds(const QImage& image) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

}  // namespace

TEST(TextMeasureTest, AParagraphBreaksAtWordsInANarrowBox) {
    const QString words = QStringLiteral("The quick brown fox jumps over the lazy dog");
    const RectF box(0, 0, 90, 400);
    auto text = Measured(words, box);
    ASSERT_GE(text->GetBoxCount(), 3);
    EXPECT_EQ(text->GetNumPara(), 1);
    // Each line holds whole words, in order, and nothing is lost or repeated.
    QStringList lines;
    float previousTop = -1;
    for (int i = 0; i < text->GetBoxCount(); ++i) {
        const QString line = Slice(words, text->GetCharRanges()[i]);
        EXPECT_FALSE(line.startsWith(QLatin1Char(' ')) || line.endsWith(QLatin1Char(' ')));
        lines << line;
        const RectF b = text->GetTextBoxes()[i];
        EXPECT_GE(b.X, box.X + kPad - 0.01f);
        EXPECT_LE(b.X + b.Width, box.X + box.Width - kPad + 0.01f);
        EXPECT_GT(b.Y, previousTop);
        previousTop = b.Y;
    }
    EXPECT_EQ(lines.join(QLatin1Char(' ')), words);
    // A line takes another word exactly when that word fits beside it.
    const double room = box.Width - 2 * kPad;
    for (int i = 0; i + 1 < lines.size(); ++i) {
        const QString next = lines[i + 1].section(QLatin1Char(' '), 0, 0);
        EXPECT_LE(Advance(lines[i]), room + 0.01);
        EXPECT_GT(Advance(lines[i] + QLatin1Char(' ') + next), room - 0.01)
            << lines[i].toStdString();
    }
}

TEST(TextMeasureTest, AWordLongerThanALineBreaksInsideItself) {
    auto text = Measured(QStringLiteral("WWWWWWWWWWWW"), RectF(0, 0, 40, 300));
    ASSERT_GE(text->GetBoxCount(), 2);
    int total = 0;
    for (const CQarnCharRange& range : text->GetCharRanges()) {
        EXPECT_GT(range.length, 0);
        total += range.length;
    }
    EXPECT_EQ(total, 12);
}

TEST(TextMeasureTest, LineFeedsMakeParagraphsAndATrailingOneAnEmptyLastRange) {
    auto text = Measured(QStringLiteral("a\nb\n"), RectF(0, 0, 200, 200));
    EXPECT_EQ(text->GetNumPara(), 3);
    ASSERT_EQ(text->GetBoxCount(), 3);
    const auto& ranges = text->GetCharRanges();
    EXPECT_EQ(ranges[0].first, 0);
    EXPECT_EQ(ranges[0].length, 1);
    EXPECT_EQ(ranges[1].first, 2);
    EXPECT_EQ(ranges[1].length, 1);
    EXPECT_EQ(ranges[2].length, 0);
    // The empty line keeps its place below the others, with no width.
    const auto& boxes = text->GetTextBoxes();
    EXPECT_FLOAT_EQ(boxes[2].Width, 0.0f);
    EXPECT_GT(boxes[2].Y, boxes[1].Y);
    EXPECT_NEAR(boxes[1].Y - boxes[0].Y, boxes[2].Y - boxes[1].Y, 0.01);
}

TEST(TextMeasureTest, BlanksAndLineEndsAroundAWordAreNotMeasured) {
    const QString words = QStringLiteral("  x \r");
    auto text = Measured(words, RectF(0, 0, 200, 100));
    ASSERT_EQ(text->GetBoxCount(), 1);
    EXPECT_EQ(Slice(words, text->GetCharRanges()[0]), QStringLiteral("x"));
    EXPECT_NEAR(text->GetTextBoxes()[0].Width, Advance(QStringLiteral("x")), 0.05);
    // Windows line ends make one line break, not two.
    auto crlf = Measured(QStringLiteral("one\r\ntwo"), RectF(0, 0, 200, 100));
    ASSERT_EQ(crlf->GetBoxCount(), 2);
    EXPECT_EQ(Slice(QStringLiteral("one\r\ntwo"), crlf->GetCharRanges()[0]), QStringLiteral("one"));
}

TEST(TextMeasureTest, AlignmentPlacesTheTextInTheBox) {
    const RectF box(100, 50, 300, 200);
    const QString word = QStringLiteral("Middle");
    const double width = Advance(word) + 2 * kPad;
    struct Case {
        BYTE x, y;
        DWORD flags;
        double left, top;
    };
    const double lineHeight = Measured(word, box)->GetTextBoxes()[0].Height;
    const double centreLeft = 100 + (300 - width) / 2;
    const Case cases[] = {
        {0, 0, 0, 100, 50},
        {1, 1, 0, centreLeft, 50 + (200 - lineHeight) / 2},
        {2, 2, 0, 400 - width, 250 - lineHeight},
        // Right to left starts at the far side.
        {0, 0, CQarnTextProperty::RightToLeft, 400 - width, 50},
        {2, 0, CQarnTextProperty::RightToLeft, 100, 50},
    };
    for (const Case& c : cases) {
        auto text = Measured(word, box, c.x, c.y, c.flags);
        const RectF p = text->GetPosition();
        EXPECT_NEAR(p.X, c.left, 0.05) << int(c.x) << "/" << int(c.y) << "/" << c.flags;
        EXPECT_NEAR(p.Y, c.top, 0.05) << int(c.x) << "/" << int(c.y) << "/" << c.flags;
        EXPECT_NEAR(p.Width, width, 0.05);
    }
}

TEST(TextMeasureTest, ClippedLinesAreCountedButNotMeasuredIntoThePosition) {
    const RectF box(0, 0, 300, 30);
    auto text = Measured(QStringLiteral("one\ntwo\nthree\nfour\nfive"), box, 1, 0);
    EXPECT_EQ(text->GetBoxCount(), 5);
    EXPECT_LE(text->GetPosition().Height, 30.0f);
    EXPECT_GT(text->GetTextBoxes()[4].Y, 30.0f);

    auto unclipped =
        Measured(QStringLiteral("one\ntwo\nthree\nfour\nfive"), box, 1, 0, CQarnTextLayout::NoClip);
    EXPECT_GT(unclipped->GetPosition().Height, 4 * kEm);
}

TEST(TextMeasureTest, NoWrapKeepsALongParagraphOnOneLine) {
    const QString words = QStringLiteral("a rather long line of words that would wrap");
    auto wrapped = Measured(words, RectF(0, 0, 100, 300));
    auto kept = Measured(words, RectF(0, 0, 100, 300), 1, 1, CQarnTextProperty::NoWrap);
    EXPECT_GT(wrapped->GetBoxCount(), 1);
    EXPECT_EQ(kept->GetBoxCount(), 1);
    EXPECT_EQ(kept->GetCharRanges()[0].length, words.size());
}

TEST(TextMeasureTest, VerticalLinesRunDownFromTheRight) {
    const RectF box(0, 0, 200, 300);
    auto text = Measured(QStringLiteral("one\ntwo"), box, 0, 0, CQarnTextProperty::Vertical);
    ASSERT_EQ(text->GetBoxCount(), 2);
    const RectF first = text->GetTextBoxes()[0];
    const RectF second = text->GetTextBoxes()[1];
    EXPECT_GT(first.Height, first.Width);
    EXPECT_GT(first.X, second.X);
    EXPECT_NEAR(first.X + first.Width, 200, 0.05);
    EXPECT_NEAR(first.Y, kPad, 0.05);
}

TEST(TextMeasureTest, AValidLayoutIsKeptUntilTheTextChanges) {
    auto text = Measured(QStringLiteral("alpha beta gamma delta"), RectF(0, 0, 400, 100));
    ASSERT_EQ(text->GetBoxCount(), 1);
    text->UpdateBounds(nullptr, RectF(0, 0, 60, 100));
    EXPECT_EQ(text->GetBoxCount(), 1);  // the cache stands
    EXPECT_LE(text->GetPosition().Width, 60.0f);
    text->SetFontSize(12);
    text->UpdateBounds(nullptr, RectF(0, 0, 60, 100));
    EXPECT_GT(text->GetBoxCount(), 1);
}

TEST(TextMeasureTest, BoundsLengthsAndFittingFollowTheMeasure) {
    CQarnTextProperty empty;
    empty.SetText(QString());
    const RectF none = empty.GetBoundRect(nullptr, RectF(10, 20, 100, 40));
    EXPECT_FLOAT_EQ(none.X, 60.0f);
    EXPECT_FLOAT_EQ(none.Y, 40.0f);
    EXPECT_FLOAT_EQ(none.Width, 0.0f);
    const CRect fitted = empty.FitContent(nullptr, RectF(10, 10, 0, 0), 0);
    EXPECT_EQ(fitted, CRect(10, 10, 18, 21));
    empty.UpdateBounds(nullptr, RectF(0, 0, 100, 100));
    EXPECT_EQ(empty.GetBoxCount(), 0);

    CQarnTextProperty text;
    text.SetText(QStringLiteral("Hello world"));
    const RectF r(20, 30, 40, 10);
    const int width = text.TextLen(nullptr, RectF(-980, 30, 2040, 10));
    EXPECT_NEAR(width, int(Advance(QStringLiteral("Hello world")) + 2 * kPad), 1);
    const int height = text.MaxHeight(nullptr, RectF(-980, -970, 2040, 2010));
    EXPECT_NEAR(height, int(kEm * 1.15), 1);
    // Sideways only, the height is that of the box, which clips the line.
    const CRect wide = text.FitContent(nullptr, r, 1);
    EXPECT_EQ(wide.left, 20);
    EXPECT_EQ(wide.right, 20 + width + 4);
    EXPECT_EQ(wide.bottom, 30 + text.MaxHeight(nullptr, RectF(-980, 30, 2040, 10)) + 2);
    const CRect both = text.FitContent(nullptr, r, 0);
    EXPECT_EQ(both.bottom, 30 + height + 2);
    // A reversed box grows from its right and bottom edges, which are its smaller ones.
    const CRect reversed = text.FitContent(nullptr, RectF(60, 40, -40, -10), 0);
    EXPECT_EQ(reversed, CRect(20, 30, 20 + width + 4, 30 + height + 2));
}

TEST(TextMeasureTest, DrawingCoversWhatIsMeasured) {
    auto text = Measured(QStringLiteral("Several words on lines\nand another"),
                         RectF(20, 20, 120, 160), 0, 0);
    QImage image = WhiteCanvas(200, 200);
    {
        Graphics g(&image);
        text->Draw(&g, RectF(20, 20, 120, 160), nullptr);
    }
    const QRect ink = DarkBounds(image);
    ASSERT_FALSE(ink.isEmpty());
    QRectF measured;
    for (const RectF& b : text->GetTextBoxes()) {
        measured |= QRectF(b.X, b.Y, b.Width, b.Height);
    }
    // Glyphs may overhang their advance by a pixel; nothing is drawn beyond that.
    EXPECT_GE(ink.left(), measured.left() - 2);
    EXPECT_LE(ink.right(), measured.right() + 2);
    EXPECT_GE(ink.top(), measured.top() - 1);
    EXPECT_LE(ink.bottom(), measured.bottom() + 1);
    EXPECT_LT(measured.right() - ink.right(), 4);
    EXPECT_LT(measured.bottom() - ink.bottom(), 8);
}

TEST(TextMeasureTest, UnderlinedTextInksBelowItsBaseline) {
    CQarnTextProperty plain;
    plain.SetText(QStringLiteral("ooo"));
    plain.SetYAlignment(0);
    CQarnTextProperty underlined;
    underlined.SetText(QStringLiteral("ooo"));
    underlined.SetYAlignment(0);
    underlined.SetFontStyle(CQarnFontProperty::Underline);
    auto draw = [](CQarnTextProperty& t) {
        QImage image = WhiteCanvas(100, 40);
        Graphics g(&image);
        t.Draw(&g, RectF(0, 0, 100, 40), nullptr);
        return DarkBounds(image);
    };
    EXPECT_GT(draw(underlined).bottom(), draw(plain).bottom());
}

TEST(TextLayoutTest, TrimmedTextShowsWholeLinesOnly) {
    CQarnFontProperty font;
    const QString words = QStringLiteral("one\ntwo\nthree");
    const RectF box(0, 0, 200, kEm * 1.15f * 1.5f);
    CQarnTextLayout partial(words, font, box, 1, 0, 0, 0);
    CQarnTextLayout whole(words, font, box, 1, 0, 0, 1);
    EXPECT_EQ(partial.GetLineCount(), 3);
    EXPECT_EQ(partial.GetShownLineCount(), 2);
    EXPECT_EQ(whole.GetShownLineCount(), 1);
}

TEST(TextLayoutTest, ALongerTextDrawsOnlyInsideItsBox) {
    CQarnFontProperty font;
    font.SetFontSize(30);
    CQarnTextLayout layout(QStringLiteral("WWWWWWWWWWWWWWW"), font, RectF(50, 50, 60, 30), 1, 1,
                           CQarnTextLayout::NoWrap, 0);
    QImage image = WhiteCanvas(200, 200);
    SolidBrush black{Color(Color::Black)};
    {
        Graphics g(&image);
        layout.Draw(&g, &black, false);
    }
    const QRect ink = DarkBounds(image);
    EXPECT_FALSE(ink.isEmpty());
    EXPECT_TRUE(QRect(50, 50, 60, 30).contains(ink));
}

TEST(TextLayoutTest, DamagedSizesAndRectanglesStillGiveFiniteMeasures) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const float sizes[] = {nan, inf, -5.0f, 0.0f, 1e30f};
    for (float size : sizes) {
        CQarnTextProperty text;
        text.SetText(QStringLiteral("two\nlines"));
        text.SetFontSize(size);
        text.UpdateBounds(nullptr, RectF(0, 0, 100, 100));
        const RectF p = text.GetPosition();
        EXPECT_TRUE(std::isfinite(p.X) && std::isfinite(p.Width) && std::isfinite(p.Height))
            << size;
        // At least the two paragraphs; a huge font wraps every letter in the small box.
        EXPECT_GE(text.GetBoxCount(), 2) << size;
        EXPECT_LE(text.GetBoxCount(), 8) << size;
    }
    CQarnTextProperty text;
    text.SetText(QStringLiteral("words"));
    text.UpdateBounds(nullptr, RectF(nan, 0, inf, 10));
    EXPECT_EQ(text.GetBoxCount(), 1);
    EXPECT_TRUE(std::isfinite(text.GetTextBoxes()[0].X));
    const CRect fitted = text.FitContent(nullptr, RectF(0, 0, inf, nan), 0);
    EXPECT_GE(fitted.Width(), 4);
}

TEST(TextLayoutTest, EllipsisTrimmingEndsTheLastShownLineWhenTextIsCut) {
    CQarnFontProperty font;
    const RectF box(0, 0, 200, kEm * 1.15f * 1.5f);
    auto inkWidth = [&](const QString& words, BYTE trimming, DWORD flags) {
        CQarnTextLayout layout(words, font, box, 0, 0, flags, trimming);
        return layout.GetOutline().boundingRect().width();
    };
    const QString two = QStringLiteral("one\ntwo");
    // Whole lines only, and the ellipsis after "one" says that more follows.
    EXPECT_GT(inkWidth(two, 3, 0), inkWidth(two, 1, 0) + 5);
    EXPECT_NEAR(inkWidth(QStringLiteral("one"), 3, 0), inkWidth(two, 1, 0), 0.01);
    // A line too long for the box without wrapping is cut to the box, ellipsis included.
    const QString wide = QStringLiteral("a line of words much wider than its box is");
    const double cut = inkWidth(wide, 3, CQarnTextLayout::NoWrap);
    EXPECT_LE(cut, 200 - 2 * kPad + 0.5);
    EXPECT_GT(cut, 150);
    EXPECT_LE(inkWidth(wide, 4, CQarnTextLayout::NoWrap), cut + 0.01);
    EXPECT_LE(inkWidth(wide, 5, CQarnTextLayout::NoWrap), 200 - 2 * kPad + 0.5);
    // Without trimming the long line is only clipped by drawing.
    EXPECT_GT(inkWidth(wide, 0, CQarnTextLayout::NoWrap), 200);
}
