#include "controls/tip_markup.h"

#include <QColor>
#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>

#include "core/component.h"
#include "core/custom_config.h"
#include "properties/tip_property.h"

namespace {

// One recognised tag at the start: the whole tag, its name (with a leading slash when closing) and,
// for font, the colour.
const QRegularExpression& TagPattern() {
    static const QRegularExpression pattern(
        QStringLiteral(
            R"(<\s*(/?)\s*(b|i|u|br|font)\s*(?:color\s*=\s*["']?([#A-Za-z0-9]+)["']?\s*)?(/?)\s*>)"),
        QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

struct Tag {
    bool closing = false;
    QString name;
    QString color;
    qsizetype length = 0;
};

// The recognised tag at the start of the text, if there is one.
bool ReadTag(const QString& text, qsizetype at, Tag* tag) {
    const QRegularExpressionMatch match = TagPattern().match(
        text, at, QRegularExpression::NormalMatch, QRegularExpression::AnchorAtOffsetMatchOption);
    if (!match.hasMatch()) {
        return false;
    }
    tag->closing = !match.captured(1).isEmpty();
    tag->name = match.captured(2).toLower();
    tag->color = match.captured(3);
    tag->length = match.capturedLength(0);
    // Only <font> takes a colour; a colour elsewhere means the tag is not ours.
    if (!tag->color.isEmpty() && (tag->name != QLatin1String("font") || tag->closing)) {
        return false;
    }
    return true;
}

QString Escape(QChar c) {
    switch (c.unicode()) {
        case '<':
            return QStringLiteral("&lt;");
        case '>':
            return QStringLiteral("&gt;");
        case '&':
            return QStringLiteral("&amp;");
        case '"':
            return QStringLiteral("&quot;");
        case '\n':
            return QStringLiteral("<br/>");
        case '\r':
            return QString();
        default:
            return QString(c);
    }
}

}  // namespace

namespace Qarn {

QString TipMarkupToHtml(const QString& markup) {
    QString html;
    for (qsizetype i = 0; i < markup.size();) {
        Tag tag;
        if (markup[i] == QLatin1Char('<') && ReadTag(markup, i, &tag)) {
            i += tag.length;
            if (tag.name == QLatin1String("br")) {
                html += QStringLiteral("<br/>");
            } else if (tag.name == QLatin1String("font")) {
                if (tag.closing) {
                    html += QStringLiteral("</span>");
                } else {
                    const QColor color = QColor::fromString(tag.color);
                    html += color.isValid()
                                ? QStringLiteral("<span style=\"color:%1\">").arg(color.name())
                                : QStringLiteral("<span>");
                }
            } else {
                html += QStringLiteral("<%1%2>").arg(tag.closing ? QStringLiteral("/") : QString(),
                                                     tag.name);
            }
            continue;
        }
        html += Escape(markup[i]);
        ++i;
    }
    return html;
}

QString TipMarkupToPlainText(const QString& markup) {
    QString plain;
    for (qsizetype i = 0; i < markup.size();) {
        Tag tag;
        if (markup[i] == QLatin1Char('<') && ReadTag(markup, i, &tag)) {
            i += tag.length;
            if (tag.name == QLatin1String("br")) {
                plain += QLatin1Char('\n');
            }
            continue;
        }
        if (markup[i] != QLatin1Char('\r')) {
            plain += markup[i];
        }
        ++i;
    }
    return plain;
}

QString ComposeComponentTip(CQarnComponent& component, const CCustomConfig& config) {
    const CQarnTipProperty* tip = component.GetTipProperty();
    if (tip == nullptr || config.m_nEnableTipInView == 0) {
        return QString();
    }
    QStringList parts;
    if (config.m_nTipWithName != 0 && component.GetTipUseName()) {
        QString name;
        for (const QChar c : component.GetName()) {
            name += Escape(c);
        }
        parts.append(QStringLiteral("<b>%1</b>").arg(name));
    }
    if (!tip->GetText().isEmpty()) {
        parts.append(TipMarkupToHtml(tip->GetText()));
    }
    if (config.m_nTipWithPosition != 0) {
        const RectF r = component.GetRectF();
        QLocale shown;
        shown.setNumberOptions(QLocale::OmitGroupSeparator);
        auto n = [&](float v) { return shown.toString(double(v), 'f', 0); };
        parts.append(QStringLiteral("<span style=\"color:#606060\">%1</span>")
                         .arg(QCoreApplication::translate("Qarn", "X %1, Y %2, width %3, height %4")
                                  .arg(n(r.X), n(r.Y), n(r.Width), n(r.Height))));
    }
    return parts.join(QStringLiteral("<br/>"));
}

}  // namespace Qarn
