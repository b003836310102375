#pragma once
// "Canvas Color": the paper colour of a page, always opaque. The dialog returns the colour;
// the caller records it as a canvas-colour action.

#include "controls/dialog.h"
#include "platform/color.h"

class CQarnColorPicker;
class QLabel;

class CQarnCanvasColorDialog : public CQarnDialog {
    Q_OBJECT

public:
    CQarnCanvasColorDialog(const Color& current, QWidget* parent = nullptr);

    Color GetColor() const { return m_Color; }
    CQarnColorPicker* GetPicker() const { return m_pPicker; }

protected:
    // Enter in the swatches takes the colour under the cursor and confirms the dialog.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowChoice();

    Color m_Color;
    CQarnColorPicker* m_pPicker = nullptr;
    QLabel* m_pChoice = nullptr;
};
