// Glyph outlines kept for the whole program are those the font gives, font by font: a glyph
// kept for one face or size never stands in for another's.
#include <gtest/gtest.h>

#include <QFont>
#include <QRawFont>
#include <thread>
#include <vector>

#include "properties/glyph_outlines.h"

namespace {

QRawFont Face(const QString& family, double pixels, bool bold) {
    QFont font(family);
    font.setPixelSize(int(pixels));
    font.setBold(bold);
    return QRawFont::fromFont(font);
}

TEST(GlyphOutlines, EachFontAndSizeKeepsItsOwnOutlines) {
    const std::vector<QRawFont> faces = {
        Face(QStringLiteral("Liberation Sans"), 128, false),
        Face(QStringLiteral("Liberation Sans"), 64, false),
        Face(QStringLiteral("Liberation Sans"), 128, true),
        Face(QStringLiteral("Liberation Serif"), 128, false),
    };
    const QString text = QStringLiteral("Item 0123456789 Wg");
    // Twice over: the second round is answered from what the first kept.
    for (int round = 0; round < 2; ++round) {
        for (const QRawFont& face : faces) {
            ASSERT_TRUE(face.isValid());
            for (const quint32 glyph : face.glyphIndexesForString(text)) {
                EXPECT_EQ(Qarn::GlyphOutline(face, glyph), face.pathForGlyph(glyph))
                    << face.familyName().toStdString() << " " << face.pixelSize() << " glyph "
                    << glyph;
            }
        }
    }
    // The faces differ, so a mix-up would have shown.
    const quint32 m = faces[0].glyphIndexesForString(QStringLiteral("m")).value(0);
    EXPECT_NE(faces[0].pathForGlyph(m), faces[1].pathForGlyph(m));
    EXPECT_NE(faces[0].pathForGlyph(m), faces[2].pathForGlyph(m));
}

TEST(GlyphOutlines, ThreadsAskingAtOnceGetTheFontsOutlines) {
    std::vector<std::thread> threads;
    std::vector<int> wrong(4, 0);
    for (size_t t = 0; t < wrong.size(); ++t) {
        threads.emplace_back([t, &wrong] {
            const QRawFont face =
                Face(QStringLiteral("Liberation Sans"), 40 + 8 * double(t % 2), false);
            for (const quint32 glyph :
                 face.glyphIndexesForString(QStringLiteral("abcdefghijklmnopqrstuvwxyz"))) {
                wrong[t] += Qarn::GlyphOutline(face, glyph) == face.pathForGlyph(glyph) ? 0 : 1;
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(wrong, std::vector<int>(4, 0));
}

}  // namespace
