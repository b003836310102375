#pragma once
// Choosing a colour: the palette, the colours used lately, an opacity slider and "More
// colours..." (the system's colour dialog). The body of the colour well's drop-down, and a
// picker of its own in dialogs. The palette and recent swatches take the opacity set on the
// slider; Enter on the slider takes the current colour with that opacity.

#include <QWidget>
#include <functional>
#include <optional>

#include "platform/color.h"

class CQarnColorItems;
class CQarnWellGrid;
class QLabel;
class QPushButton;
class QSlider;

class CQarnColorPicker : public QWidget {
    Q_OBJECT

public:
    // Asks the user for any colour, starting from the one given; empty when cancelled.
    using ColorDialog =
        std::function<std::optional<Color>(QWidget* parent, const Color& initial, bool alpha)>;

    explicit CQarnColorPicker(const QString& name, QWidget* parent = nullptr);

    void SetColor(const Color& color);
    Color GetColor() const { return m_Color; }
    // Whether the opacity can be chosen (the slider shows); off: colours are taken opaque.
    void SetAlphaEnabled(bool enabled);
    bool IsAlphaEnabled() const { return m_bAlpha; }

    // Asks for any colour through the colour dialog; true (and ColorPicked) when one was
    // chosen.
    bool PickOtherColor();
    // Takes the current colour (with the slider's opacity), as Enter on the slider does.
    void TakeCurrentColor();

    CQarnWellGrid* GetPaletteGrid() const { return m_pPalette; }
    CQarnWellGrid* GetRecentGrid() const { return m_pRecent; }
    QSlider* GetOpacitySlider() const { return m_pOpacity; }
    QPushButton* GetMoreButton() const { return m_pMore; }

    // The colour dialog used by every picker (tests install one that answers at once); an
    // empty function restores the system's dialog. Returns the one replaced.
    static ColorDialog SetColorDialog(ColorDialog dialog);

Q_SIGNALS:
    // A colour was taken (a swatch, Enter on the slider, the colour dialog).
    void ColorPicked(const Color& color);
    // "More colours..." was asked for; a drop-down closes before the dialog opens and then
    // calls PickOtherColor. Without a listener the picker opens the dialog itself.
    void MoreColorsRequested();
    // Escape in one of the swatch grids.
    void Cancelled();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Take(const Color& color);
    void ShowOpacity();
    BYTE SliderAlpha() const;

    Color m_Color = Color(Color::Black);
    bool m_bAlpha = true;
    CQarnWellGrid* m_pPalette = nullptr;
    CQarnWellGrid* m_pRecent = nullptr;
    QLabel* m_pRecentCaption = nullptr;
    QLabel* m_pOpacityCaption = nullptr;
    QSlider* m_pOpacity = nullptr;
    QLabel* m_pOpacityValue = nullptr;
    QPushButton* m_pMore = nullptr;
    std::shared_ptr<CQarnColorItems> m_pPaletteItems;
};
