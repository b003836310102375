#include "controls/color_well.h"

#include <QPainter>

#include "controls/color_items.h"
#include "controls/color_picker.h"
#include "controls/recent_colors.h"
#include "controls/well_grid.h"
#include "core/notification_messages.h"

CQarnColorWell::CQarnColorWell(const QString& name, QWidget* parent) : CQarnWell(name, parent) {
    SetColor(m_Color);
}

void CQarnColorWell::SetColor(const Color& color) {
    m_Color = m_bAlpha ? color : Color(255, color.GetR(), color.GetG(), color.GetB());
    m_bHasColor = true;
    setAccessibleDescription(CQarnColorItems::DescribeColor(m_Color));
    update();
}

void CQarnColorWell::SetAlphaEnabled(bool enabled) {
    m_bAlpha = enabled;
    if (m_bHasColor) {
        SetColor(m_Color);
    }
}

void CQarnColorWell::SetNoColor(const QString& text) {
    m_bHasColor = false;
    m_strNoColor = text;
    setAccessibleDescription(text);
    update();
}

QWidget* CQarnColorWell::CreateDropDownContent(QWidget* parent) {
    m_pPicker = new CQarnColorPicker(accessibleName(), parent);
    m_pPicker->SetAlphaEnabled(m_bAlpha);
    m_pPicker->SetColor(m_Color);
    connect(m_pPicker, &CQarnColorPicker::ColorPicked, this, [this](const Color& color) {
        m_Chosen = color;
        CloseDropDown(true);
    });
    connect(m_pPicker, &CQarnColorPicker::Cancelled, this, [this] { CloseDropDown(false); });
    connect(m_pPicker, &CQarnColorPicker::MoreColorsRequested, this,
            &CQarnColorWell::AskOtherColor);
    m_Chosen = m_Color;
    return m_pPicker;
}

QWidget* CQarnColorWell::GetDropDownFocus() const {
    return m_pPicker != nullptr ? m_pPicker->GetPaletteGrid() : nullptr;
}

void CQarnColorWell::AskOtherColor() {
    CQarnColorPicker* picker = m_pPicker;
    if (picker == nullptr) {
        return;
    }
    // A modal dialog cannot open over a drop-down; the drop-down hides first and the choice
    // is settled when the dialog closes.
    HideDropDownWindow();
    if (!picker->PickOtherColor() && IsDroppedDown()) {
        CloseDropDown(false);
    }
}

bool CQarnColorWell::TakeDropDownChoice() {
    if (m_bHasColor && m_Chosen.GetValue() == m_Color.GetValue()) {
        return false;
    }
    SetColor(m_Chosen);
    return true;
}

void CQarnColorWell::PaintValue(QPainter& painter, const QRect& field) const {
    painter.setPen(palette().color(QPalette::Text));
    if (!m_bHasColor) {
        painter.drawText(field, Qt::AlignVCenter | Qt::AlignLeft, m_strNoColor);
        return;
    }
    const int side = std::min(field.height(), 16);
    const QRectF swatch(field.left() + 0.5, field.top() + (field.height() - side) / 2.0 + 0.5,
                        side * 1.6, side - 1.0);
    CQarnColorItems::PaintSwatch(painter, swatch, m_Color);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(field.adjusted(int(swatch.width()) + 5, 0, 0, 0),
                     Qt::AlignVCenter | Qt::AlignLeft, CQarnColorItems::DescribeColor(m_Color));
}

QSize CQarnColorWell::GetValueSize() const {
    const int text = fontMetrics().horizontalAdvance(
        CQarnColorItems::DescribeColor(Color(0x7FFFFFFFu)) + QStringLiteral("  "));
    return QSize(26 + 5 + text, std::max(18, fontMetrics().height()));
}

bool CQarnColorWell::StepValue(int delta) {
    // The arrow keys walk the palette, keeping the opacity.
    const QList<CQarnColorItems::Entry> palette = CQarnColorItems::StandardPalette();
    int index = -1;
    for (int i = 0; i < palette.size(); ++i) {
        const Color& c = palette[i].color;
        if (c.GetR() == m_Color.GetR() && c.GetG() == m_Color.GetG() &&
            c.GetB() == m_Color.GetB()) {
            index = i;
            break;
        }
    }
    const int next = index < 0 ? 0 : std::clamp(index + delta, 0, int(palette.size()) - 1);
    if (next == index && m_bHasColor) {
        return false;
    }
    const Color& c = palette[next].color;
    SetColor(Color(m_bHasColor ? m_Color.GetA() : BYTE(255), c.GetR(), c.GetG(), c.GetB()));
    return true;
}

void CQarnColorWell::OnUserChange() {
    CQarnRecentColors::Add(m_Color);
    CQarnWell::OnUserChange();
    SendToOwner(CPW_SELCHANGED);
}
