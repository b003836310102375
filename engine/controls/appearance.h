#pragma once
// What the "Line & Fill" sheet edits: copies of a component's pen, fill, arrow heads, text,
// label, tip and shadow, and its style word. The pages change the copies; OK writes them back
// in one go, and Cancel just lets them go, so the component is never touched half way.

#include <memory>
#include <vector>

#include "platform/win_types.h"

class CQarnArrowProperty;
class CQarnBasicBrushProperty;
class CQarnComponent;
class CQarnLabelProperty;
class CQarnPenProperty;
class CQarnProperty;
class CQarnShadowProperty;
class CQarnTextProperty;
class CQarnTipProperty;

class CQarnAppearance {
public:
    // Releases a property held by the copy (properties are reference counted).
    struct Release {
        void operator()(CQarnProperty* property) const;
    };
    template <class T>
    using Held = std::unique_ptr<T, Release>;

    // Copies of everything the sheet edits.
    explicit CQarnAppearance(const CQarnComponent& component);
    CQarnAppearance(CQarnAppearance&&) noexcept;
    CQarnAppearance& operator=(CQarnAppearance&&) noexcept;
    ~CQarnAppearance();

    // The copies; null for what the component does not have.
    CQarnPenProperty* GetPen() const { return m_pPen.get(); }
    CQarnBasicBrushProperty* GetBrush() const { return m_pBrush.get(); }
    CQarnArrowProperty* GetArrows() const { return m_pArrows.get(); }
    CQarnTextProperty* GetText() const { return m_pText.get(); }
    CQarnLabelProperty* GetLabel() const { return m_pLabel.get(); }
    CQarnTipProperty* GetTip() const { return m_pTip.get(); }
    CQarnShadowProperty* GetShadow() const { return m_pShadow.get(); }

    // The fill as a full brush (a plain colour fill becomes one, keeping its colours), for
    // fills of another kind than a plain colour; null when there is no fill.
    CQarnBasicBrushProperty* MakeFullBrush();
    // Parts a component may gain or lose in the sheet.
    CQarnTextProperty* MakeText();
    void DropText();
    // A new label is placed below the frame.
    CQarnLabelProperty* MakeLabel();
    void DropLabel();
    CQarnTipProperty* MakeTip();
    void DropTip();
    CQarnShadowProperty* MakeShadow();

    DWORD GetStyle() const { return m_dwStyle; }
    void SetStyle(DWORD style) { m_dwStyle = style; }
    bool HasStyle(DWORD bit) const { return (m_dwStyle & bit) != 0; }
    void SetStyleBit(DWORD bit, bool on) {
        m_dwStyle = on ? (m_dwStyle | bit) : (m_dwStyle & ~bit);
    }

    // The frame as it shows, where a new label is placed.
    const struct RectF& GetShownFrame() const;

    // Writes the copies back: a property that differs from the component's takes its place in
    // the component's list, new ones are attached, dropped ones released, and the list is put
    // back in the order it had when the copy was taken (parts new since go last); the style
    // word is set; then the outline is rebuilt and the change announced. Nothing is
    // written (and false answered) when nothing differs, so a confirmed sheet without changes
    // leaves the component exactly as it was.
    bool ApplyTo(CQarnComponent& component) const;
    // Whether applying would change the component.
    bool DiffersFrom(const CQarnComponent& component) const;

private:
    // One place of the component's property list when the copy was taken: a kind the copy
    // holds, or another property (a perspective, a user value) by itself.
    struct Place {
        unsigned int kind;
        const CQarnProperty* other;
    };
    void RestoreOrder(CQarnComponent& component) const;

    std::vector<Place> m_Order;
    Held<CQarnPenProperty> m_pPen;
    Held<CQarnBasicBrushProperty> m_pBrush;
    Held<CQarnArrowProperty> m_pArrows;
    Held<CQarnTextProperty> m_pText;
    Held<CQarnLabelProperty> m_pLabel;
    Held<CQarnTipProperty> m_pTip;
    Held<CQarnShadowProperty> m_pShadow;
    DWORD m_dwStyle = 0;
    std::unique_ptr<struct RectF> m_pFrame;
};
