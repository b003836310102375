#pragma once
// "Size & Position": the frame of one component (its position, width and height before it is
// turned) and its angle. Fields the component locks (position, width, height, rotation) are
// shown but cannot be changed. "Keep proportions" makes width and height follow each other.
// The dialog returns the values; Apply sets them, and the caller records the change.

#include "controls/dialog.h"
#include "platform/rect_f.h"

class CQarnComponent;
class CQarnNumberEdit;
class QCheckBox;

class CQarnSizeDialog : public CQarnDialog {
    Q_OBJECT

public:
    struct Values {
        RectF frame;
        float angle = 0.0f;
    };

    CQarnSizeDialog(const CQarnComponent& component, QWidget* parent = nullptr);

    // The values typed (after OK).
    Values GetValues() const;
    // Moves the component to the frame and turns it about its centre to the angle; false
    // when both were as they are.
    static bool Apply(CQarnComponent& component, const Values& values);

    CQarnNumberEdit* GetXEdit() const { return m_pX; }
    CQarnNumberEdit* GetYEdit() const { return m_pY; }
    CQarnNumberEdit* GetWidthEdit() const { return m_pWidth; }
    CQarnNumberEdit* GetHeightEdit() const { return m_pHeight; }
    CQarnNumberEdit* GetAngleEdit() const { return m_pAngle; }
    QCheckBox* GetKeepRatioBox() const { return m_pKeepRatio; }

protected:
    bool ValidateMore() override;

private:
    // One extent was typed: the other follows when the proportions are kept.
    void FollowExtent(CQarnNumberEdit* typed, CQarnNumberEdit* other, bool widthTyped);

    RectF m_Loaded;
    float m_fLoadedAngle = 0.0f;
    CQarnNumberEdit* m_pX = nullptr;
    CQarnNumberEdit* m_pY = nullptr;
    CQarnNumberEdit* m_pWidth = nullptr;
    CQarnNumberEdit* m_pHeight = nullptr;
    CQarnNumberEdit* m_pAngle = nullptr;
    QCheckBox* m_pKeepRatio = nullptr;
};
