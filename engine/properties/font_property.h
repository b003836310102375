#pragma once
// A font: face name, size in points and style bits (1 bold, 2 italic, 4 underline,
// 8 strikeout). The base of the text property and the font of a label.

#include <QString>

#include "platform/char_format.h"
#include "properties/property.h"
#include "properties/property_kinds.h"

class CView;
class QFont;

class CQarnFontProperty : public CQarnProperty {
    QARN_DECLARE_SERIAL(CQarnFontProperty)

public:
    enum : BYTE { Bold = 1, Italic = 2, Underline = 4, Strikeout = 8 };

    CQarnFontProperty() : CQarnProperty(QARN_PROP_TEXT) {}
    explicit CQarnFontProperty(unsigned int kind) : CQarnProperty(kind) {}

    CQarnProperty* Clone() const override;
    virtual void Copy(const CQarnFontProperty* source);

    const QString& GetFontName() const { return m_strFontName; }
    virtual void SetFontName(const QString& name) { m_strFontName = name; }
    BYTE GetFontStyle() const { return m_nFontStyle; }
    virtual void SetFontStyle(unsigned char style) { m_nFontStyle = style; }
    float GetFontSize() const { return m_fFontSize; }
    // Within the font-size bounds (drawing_limits.h).
    virtual void SetFontSize(float points);

    // The face and size as a character format: height in twips (points x 20).
    CCharFormat GetCharFormat() const;
    // Takes the face when its mask bit is set and the size (height x 0.05) when that is set.
    virtual void SetCharFormat(const CCharFormat& format, CView* view);

    // The font to draw with, the face mapped to an installed font of the same metrics.
    QFont CreateQFont() const;

    void Serialize(CArchive& ar) override;

protected:
    QString m_strFontName = QStringLiteral("Arial");
    BYTE m_nFontStyle = 0;
    float m_fFontSize = 12.0f;
};
