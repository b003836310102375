#pragma once
// The fields of a font: face, size in points and the four style bits. Shared by the text and
// label pages. A face name that is not installed (documents name Windows faces) is kept as
// written until the user picks another.

#include <QWidget>
#include <optional>

#include "platform/win_types.h"

class CQarnNumberEdit;
class QCheckBox;
class QFontComboBox;
class QFormLayout;

class CQarnFontFields : public QObject {
    Q_OBJECT

public:
    // Adds the rows to the form; `what` names the fields for assistive technology ("Text").
    CQarnFontFields(const QString& what, QFormLayout* form, QWidget* parent);

    void Load(const QString& face, float points, BYTE style);
    QString GetFace() const;
    // The size typed, when it is acceptable (see GetSizeEdit()->CheckValue()).
    std::optional<float> GetSize() const;
    BYTE GetStyle() const;
    // Empty when a face is named, else the message.
    QString CheckFace() const;
    void SetEnabled(bool enabled);

    QFontComboBox* GetFaceBox() const { return m_pFace; }
    CQarnNumberEdit* GetSizeEdit() const { return m_pSize; }
    QCheckBox* GetBoldBox() const { return m_pBold; }
    QCheckBox* GetItalicBox() const { return m_pItalic; }
    QCheckBox* GetUnderlineBox() const { return m_pUnderline; }
    QCheckBox* GetStrikeoutBox() const { return m_pStrikeout; }

Q_SIGNALS:
    void Changed();

private:
    // Style bits the four boxes do not show, kept as they were.
    BYTE m_nOtherBits = 0;
    QFontComboBox* m_pFace = nullptr;
    CQarnNumberEdit* m_pSize = nullptr;
    QCheckBox* m_pBold = nullptr;
    QCheckBox* m_pItalic = nullptr;
    QCheckBox* m_pUnderline = nullptr;
    QCheckBox* m_pStrikeout = nullptr;
};
