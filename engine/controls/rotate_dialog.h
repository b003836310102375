#pragma once
// "Rotate Angle": how far to turn the selection, in degrees clockwise (negative turns
// anticlockwise). The dialog returns the angle; the caller records the rotation.

#include "controls/dialog.h"

class CQarnNumberEdit;

class CQarnRotateDialog : public CQarnDialog {
    Q_OBJECT

public:
    explicit CQarnRotateDialog(float initialAngle = 0.0f, QWidget* parent = nullptr);

    // The angle typed (after OK).
    float GetAngle() const;
    CQarnNumberEdit* GetAngleEdit() const { return m_pAngle; }

private:
    CQarnNumberEdit* m_pAngle = nullptr;
};
