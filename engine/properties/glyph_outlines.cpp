#include "properties/glyph_outlines.h"

#include <QRawFont>
#include <QString>
#include <mutex>
#include <unordered_map>

namespace Qarn {

namespace {

// Glyphs kept at most; beyond, the cache starts afresh (a document rarely uses more).
constexpr size_t kMostGlyphs = 1 << 16;

struct GlyphKey {
    QString face;  // family, style, weight, slant, size, hinting
    quint32 index;
    bool operator==(const GlyphKey& other) const {
        return index == other.index && face == other.face;
    }
};

struct GlyphKeyHash {
    size_t operator()(const GlyphKey& key) const { return qHash(key.face, key.index); }
};

QString FaceOf(const QRawFont& font) {
    return QStringLiteral("%1\n%2\n%3\n%4\n%5\n%6")
        .arg(font.familyName(), font.styleName())
        .arg(int(font.weight()))
        .arg(int(font.style()))
        .arg(font.pixelSize(), 0, 'g', 17)
        .arg(int(font.hintingPreference()));
}

}  // namespace

QPainterPath GlyphOutline(const QRawFont& font, quint32 index) {
    static std::mutex lock;
    static std::unordered_map<GlyphKey, QPainterPath, GlyphKeyHash> outlines;
    GlyphKey key{FaceOf(font), index};
    {
        const std::lock_guard<std::mutex> guard(lock);
        const auto found = outlines.find(key);
        if (found != outlines.end()) {
            return found->second;
        }
    }
    // Made outside the lock: two threads may make the same outline, which is the same.
    const QPainterPath outline = font.pathForGlyph(index);
    const std::lock_guard<std::mutex> guard(lock);
    if (outlines.size() >= kMostGlyphs) {
        outlines.clear();
    }
    outlines.emplace(std::move(key), outline);
    return outline;
}

}  // namespace Qarn
