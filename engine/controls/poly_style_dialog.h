#pragma once
// "Poly Style": how the points of a poly are joined (the five join kinds), whether the figure
// is closed, the curve tension and whether points are rounded to whole units. The dialog
// returns the values; Apply sets them through the property ids the actions record.

#include "controls/dialog.h"
#include "platform/win_types.h"

class CQarnNumberEdit;
class CQarnPoly;
class QCheckBox;
class QListWidget;

class CQarnPolyStyleDialog : public CQarnDialog {
    Q_OBJECT

public:
    struct Values {
        // The whole poly style word: join kind in the low byte, the other flags kept.
        DWORD polyStyle = 0;
        bool closed = false;
        float tension = 0.5f;
    };

    CQarnPolyStyleDialog(const CQarnPoly& poly, QWidget* parent = nullptr);

    Values GetValues() const;
    // Sets the values on the poly and rebuilds it; false when nothing differed.
    static bool Apply(CQarnPoly& poly, const Values& values);

    QListWidget* GetJoinList() const { return m_pJoins; }
    QCheckBox* GetClosedBox() const { return m_pClosed; }
    CQarnNumberEdit* GetTensionEdit() const { return m_pTension; }
    QCheckBox* GetIntegerBox() const { return m_pInteger; }

private:
    DWORD m_dwLoadedStyle;
    float m_fLoadedTension;
    QListWidget* m_pJoins = nullptr;
    QCheckBox* m_pClosed = nullptr;
    CQarnNumberEdit* m_pTension = nullptr;
    QCheckBox* m_pInteger = nullptr;
};
