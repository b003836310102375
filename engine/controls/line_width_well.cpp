#include "controls/line_width_well.h"

#include "controls/line_width_items.h"

CQarnLineWidthWell::CQarnLineWidthWell(QWidget* parent, const QString& name)
    : CQarnItemWell(std::make_shared<CQarnLineWidthItems>(), name, parent) {
    SetLineWidth(1.0f);
}

void CQarnLineWidthWell::SetLineWidth(float width) {
    m_fOther = width;
    const int index = CQarnLineWidthItems::IndexOf(width);
    if (index < 0) {
        QLocale shown = locale();
        shown.setNumberOptions(QLocale::OmitGroupSeparator);
        SetNoSelectionText(tr("%1 pt").arg(shown.toString(double(width), 'g', 6)));
    }
    SetCurSel(index);
}

float CQarnLineWidthWell::GetLineWidth() const {
    return GetCurSel() >= 0 ? CQarnLineWidthItems::WidthOf(GetCurSel()) : m_fOther;
}
