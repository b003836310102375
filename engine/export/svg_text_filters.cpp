#include "export/svg_text_filters.h"

#include <algorithm>

namespace QarnSvg {

QString DropInvalidXmlCharacters(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        const char16_t u = c.unicode();
        const bool allowed =
            u == 0x9 || u == 0xA || u == 0xD || (u >= 0x20 && u != 0xFFFE && u != 0xFFFF);
        if (allowed) {
            out.append(c);
        }
    }
    return out;
}

QString HtmlFilter(const QString& text) {
    QString out = DropInvalidXmlCharacters(text);
    out.replace(QLatin1Char('&'), QLatin1String("&amp;"));
    out.replace(QLatin1Char('<'), QLatin1String("&lt;"));
    out.replace(QLatin1Char('>'), QLatin1String("&gt;"));
    return out;
}

QString AttributeFilter(const QString& text) {
    // Most names hold nothing to escape or drop; they are returned as they stand.
    const bool plain = std::all_of(text.cbegin(), text.cend(), [](QChar c) {
        const char16_t u = c.unicode();
        return u >= 0x20 && u != '&' && u != '<' && u != '>' && u != '"' && u != '\'' &&
               u != 0xFFFE && u != 0xFFFF;
    });
    if (plain) {
        return text;
    }
    QString out = HtmlFilter(text);
    out.replace(QLatin1Char('"'), QLatin1String("&quot;"));
    out.replace(QLatin1Char('\''), QLatin1String("&apos;"));
    return out;
}

QString NameStrFilter(const QString& name) {
    QString out = name;
    for (QChar c : {QLatin1Char('_'), QLatin1Char('\\'), QLatin1Char('/'), QLatin1Char(' ')}) {
        out.replace(c, QLatin1Char('.'));
    }
    return out;
}

}  // namespace QarnSvg
