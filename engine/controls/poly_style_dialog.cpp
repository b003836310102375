#include "controls/poly_style_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "controls/form_rows.h"
#include "controls/number_edit.h"
#include "core/property_ids.h"
#include "platform/variant.h"
#include "shapes/poly.h"

namespace {

// The captions of the join kinds, in join-kind order ("contrl" is the system's own spelling).
const char* const kJoinCaptions[] = {
    "Line Segment", "Curve", "Arc Segment", "Curve (1 control point)", "Curve (2 contrl points)",
};
constexpr int kJoinCount = 5;

}  // namespace

CQarnPolyStyleDialog::CQarnPolyStyleDialog(const CQarnPoly& poly, QWidget* parent)
    : CQarnDialog(tr("Poly Style"), parent),
      m_dwLoadedStyle(poly.GetPolyStyle()),
      m_fLoadedTension(poly.GetTension()) {
    auto* layout = new QVBoxLayout(this);
    auto* joinsCaption = new QLabel(tr("&Join the points with:"), this);
    layout->addWidget(joinsCaption);
    m_pJoins = new QListWidget(this);
    for (const char* caption : kJoinCaptions) {
        m_pJoins->addItem(QString::fromLatin1(caption));
    }
    m_pJoins->setAccessibleName(tr("Join kind"));
    joinsCaption->setBuddy(m_pJoins);
    m_pJoins->setMaximumHeight(m_pJoins->sizeHintForRow(0) * (kJoinCount + 1));
    layout->addWidget(m_pJoins);
    const DWORD join = poly.GetJoinKind();
    // A join kind beyond the five is drawn as straight segments; it shows as no choice and
    // stays unless one is chosen.
    m_pJoins->setCurrentRow(join < DWORD(kJoinCount) ? int(join) : -1);

    auto* form = new QFormLayout();
    m_pTension = new CQarnNumberEdit(tr("Tension"), 0.0, 10.0, 2, this);
    m_pTension->SetValue(poly.GetTension());
    Qarn::AddFormRow(form, tr("Curve &tension:"), m_pTension);
    layout->addLayout(form);
    m_pClosed = Qarn::CreateCheckBox(tr("&Closed figure"), this);
    m_pClosed->setChecked(poly.IsClosed());
    layout->addWidget(m_pClosed);
    m_pInteger = Qarn::CreateCheckBox(tr("Round the points to &whole units"), this);
    m_pInteger->setChecked(poly.GetIntegerPoint() != 0);
    layout->addWidget(m_pInteger);
    layout->addWidget(CreateButtons());
    CheckOnAccept(m_pTension);
    m_pJoins->setFocus();
}

CQarnPolyStyleDialog::Values CQarnPolyStyleDialog::GetValues() const {
    Values values;
    DWORD style = m_dwLoadedStyle;
    if (m_pJoins->currentRow() >= 0) {
        style = (style & ~CQarnPoly::kJoinKindMask) | DWORD(m_pJoins->currentRow());
    }
    style = m_pInteger->isChecked() ? (style | CQarnPoly::kIntegerPoint)
                                    : (style & ~CQarnPoly::kIntegerPoint);
    values.polyStyle = style;
    values.closed = m_pClosed->isChecked();
    values.tension = m_pTension->isModified()
                         ? float(m_pTension->GetValue().value_or(m_fLoadedTension))
                         : m_fLoadedTension;
    return values;
}

bool CQarnPolyStyleDialog::Apply(CQarnPoly& poly, const Values& values) {
    if (poly.GetPolyStyle() == values.polyStyle && poly.IsClosed() == values.closed &&
        poly.GetTension() == values.tension) {
        return false;
    }
    // The join kind and the closed flag go through their property ids, which rebuild the
    // outline and bounds; the rest of the style word and the tension are set directly.
    poly.SetPropValue(CVariant(std::int32_t(values.polyStyle & CQarnPoly::kJoinKindMask)),
                      QarnPropId::PolyStyle);
    poly.SetPropValue(CVariant(values.closed), QarnPropId::Closed);
    poly.SetPolyStyle(values.polyStyle);
    poly.SetTension(values.tension);
    poly.RecalcBounds(0);
    poly.ResetPath();
    poly.Invalidate(nullptr, false);
    poly.OnPropertyChanged(QarnPropId::PolyStyle);
    return true;
}
