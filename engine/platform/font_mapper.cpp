#include "platform/font_mapper.h"

#include <QFontDatabase>
#include <QHash>

namespace {

// Faces of the original platform and their metric-compatible stand-ins.
const QHash<QString, QString>& Substitutes() {
    static const QHash<QString, QString> table = {
        {QStringLiteral("arial"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("helvetica"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("microsoft sans serif"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("ms sans serif"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("arial narrow"), QStringLiteral("Liberation Sans Narrow")},
        {QStringLiteral("times new roman"), QStringLiteral("Liberation Serif")},
        {QStringLiteral("times"), QStringLiteral("Liberation Serif")},
        {QStringLiteral("courier new"), QStringLiteral("Liberation Mono")},
        {QStringLiteral("courier"), QStringLiteral("Liberation Mono")},
    };
    return table;
}

const QString& FallbackFamily() {
    static const QString family = QStringLiteral("Liberation Sans");
    return family;
}

bool HasFamily(const QString& family) {
    return QFontDatabase::families().contains(family, Qt::CaseInsensitive);
}

}  // namespace

QString CFontMapper::MapFamily(const QString& face) {
    const QString key = face.trimmed().toLower();
    auto found = Substitutes().constFind(key);
    if (found != Substitutes().constEnd()) {
        return found.value();
    }
    if (!key.isEmpty() && HasFamily(face.trimmed())) {
        return face.trimmed();
    }
    return FallbackFamily();
}

bool CFontMapper::IsInstalled(const QString& face) {
    auto found = Substitutes().constFind(face.trimmed().toLower());
    return HasFamily(found != Substitutes().constEnd() ? found.value() : face.trimmed());
}

QFont CFontMapper::CreateFont(const QString& face, float points, BYTE style) {
    QFont font(MapFamily(face));
    font.setPointSizeF(points > 0.0f ? double(points) : 1.0);
    font.setBold((style & 1) != 0);
    font.setItalic((style & 2) != 0);
    font.setUnderline((style & 4) != 0);
    font.setStrikeOut((style & 8) != 0);
    // Keep the face's own metrics: no hinting that would move glyphs between sizes.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(true);
    return font;
}
