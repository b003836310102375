#pragma once
// The fields of a paint: its kind (solid, hatch, linear gradient, path gradient, picture), its
// two colours, the hatch pattern, the gradient direction, which colour a path gradient has in
// its centre, and the picture with its wrap mode and stretching. Only the fields of the kind
// chosen show. Used for fills and for the paint of lines.

#include <QWidget>

#include "platform/win_types.h"

class CQarnBasicBrushProperty;
class CQarnColorWell;
class CQarnHatchWell;
class QCheckBox;
class QComboBox;
class QFormLayout;
class QLineEdit;
class QPushButton;

class CQarnPaintEditor : public QWidget {
    Q_OBJECT

public:
    // `what` names the paint in the fields' accessible names ("Fill", "Line").
    CQarnPaintEditor(const QString& what, QWidget* parent = nullptr);

    // The fields show the paint.
    void Load(const CQarnBasicBrushProperty& paint);
    // The fields into the paint. A kind other than solid needs a full brush: the caller
    // passes one when NeedsFullBrush() (a plain colour paint takes the colour only).
    void Store(CQarnBasicBrushProperty& paint) const;
    BYTE GetBrushType() const;
    void SetBrushType(BYTE type);
    bool NeedsFullBrush() const { return GetBrushType() != 0; }
    // Empty when the fields hold a usable paint, else the message; *field is the field to
    // correct.
    QString CheckValues(QWidget** field) const;

    QComboBox* GetKindBox() const { return m_pKind; }
    CQarnColorWell* GetColorWell1() const { return m_pColor1; }
    CQarnColorWell* GetColorWell2() const { return m_pColor2; }
    CQarnHatchWell* GetHatchWell() const { return m_pHatch; }
    QComboBox* GetGradientModeBox() const { return m_pMode; }
    QCheckBox* GetCentreBox() const { return m_pCentre; }
    QLineEdit* GetPictureEdit() const { return m_pPicture; }
    QComboBox* GetWrapBox() const { return m_pWrap; }
    QCheckBox* GetStretchBox() const { return m_pStretch; }

Q_SIGNALS:
    // Any field changed (for live previews).
    void Changed();

private:
    void ShowRowsOfKind();
    void BrowsePicture();

    QFormLayout* m_pForm = nullptr;
    QComboBox* m_pKind = nullptr;
    CQarnColorWell* m_pColor1 = nullptr;
    CQarnColorWell* m_pColor2 = nullptr;
    CQarnHatchWell* m_pHatch = nullptr;
    QComboBox* m_pMode = nullptr;
    QCheckBox* m_pCentre = nullptr;
    QLineEdit* m_pPicture = nullptr;
    QPushButton* m_pBrowse = nullptr;
    QWidget* m_pPictureRow = nullptr;
    QComboBox* m_pWrap = nullptr;
    QCheckBox* m_pStretch = nullptr;
};
