#pragma once
// The colour well: a swatch of the current colour that drops down the colour picker
// (palette, recent colours, opacity, "More colours..."). Besides the well messages it tells
// its owner of every change of colour with CPW_SELCHANGED (wParam the control id, lParam the
// colour as ARGB).

#include "controls/well.h"
#include "platform/color.h"

class CQarnColorPicker;

class CQarnColorWell : public CQarnWell {
    Q_OBJECT

public:
    explicit CQarnColorWell(const QString& name, QWidget* parent = nullptr);

    // Shows the colour without telling anyone.
    void SetColor(const Color& color);
    Color GetColor() const { return m_Color; }
    // Whether the opacity can be chosen; off: the well keeps colours opaque.
    void SetAlphaEnabled(bool enabled);
    bool IsAlphaEnabled() const { return m_bAlpha; }
    // Shows a text instead of a colour (a colour several objects do not share) until a colour
    // is set or chosen.
    void SetNoColor(const QString& text);
    bool HasColor() const { return m_bHasColor; }

    // The picker of the open drop-down (null while closed).
    CQarnColorPicker* GetPicker() const { return m_pPicker; }

protected:
    QWidget* CreateDropDownContent(QWidget* parent) override;
    QWidget* GetDropDownFocus() const override;
    bool TakeDropDownChoice() override;
    void OnDropDownClosed() override { m_pPicker = nullptr; }
    void PaintValue(QPainter& painter, const QRect& field) const override;
    // Room for the swatch and the longest description ("#FFFFFF, 100% opaque").
    QSize GetValueSize() const override;
    bool StepValue(int delta) override;
    LPARAM GetMessageValue() const override { return LPARAM(m_Color.GetValue()); }
    void OnUserChange() override;

private:
    // "More colours...": the drop-down goes, then the colour dialog asks.
    void AskOtherColor();

    Color m_Color = Color(Color::Black);
    Color m_Chosen;
    bool m_bAlpha = true;
    bool m_bHasColor = true;
    QString m_strNoColor;
    CQarnColorPicker* m_pPicker = nullptr;
};
