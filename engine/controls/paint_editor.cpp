#include "controls/paint_editor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "controls/color_well.h"
#include "controls/form_rows.h"
#include "controls/hatch_well.h"
#include "properties/basic_brush_property.h"
#include "properties/brush_property.h"

namespace {

// The kinds in the order offered, by brush type.
constexpr BYTE kKinds[] = {CQarnBrushProperty::Solid, CQarnBrushProperty::Hatch,
                           CQarnBrushProperty::LinearGradient, CQarnBrushProperty::PathGradient,
                           CQarnBrushProperty::Texture};

int KindIndex(BYTE type) {
    for (int i = 0; i < int(std::size(kKinds)); ++i) {
        if (kKinds[i] == type) {
            return i;
        }
    }
    return 0;
}

}  // namespace

CQarnPaintEditor::CQarnPaintEditor(const QString& what, QWidget* parent) : QWidget(parent) {
    m_pForm = new QFormLayout(this);
    m_pForm->setContentsMargins(0, 0, 0, 0);

    m_pKind = Qarn::CreateChoice({tr("Solid colour"), tr("Hatch pattern"), tr("Linear gradient"),
                                  tr("Path gradient"), tr("Picture")},
                                 this);
    m_pKind->setAccessibleName(tr("%1 kind").arg(what));
    Qarn::AddFormRow(m_pForm, tr("&Kind:"), m_pKind);

    m_pColor1 = new CQarnColorWell(tr("%1 colour 1").arg(what), this);
    Qarn::AddFormRow(m_pForm, tr("&Colour:"), m_pColor1);
    m_pColor2 = new CQarnColorWell(tr("%1 colour 2").arg(what), this);
    Qarn::AddFormRow(m_pForm, tr("Colour &2:"), m_pColor2);

    m_pHatch = new CQarnHatchWell(this, tr("%1 hatch pattern").arg(what));
    Qarn::AddFormRow(m_pForm, tr("&Pattern:"), m_pHatch);

    m_pMode = Qarn::CreateChoice(
        {tr("Horizontal"), tr("Vertical"), tr("Forward diagonal"), tr("Backward diagonal")}, this);
    m_pMode->setAccessibleName(tr("%1 gradient direction").arg(what));
    Qarn::AddFormRow(m_pForm, tr("&Direction:"), m_pMode);

    m_pCentre = Qarn::CreateCheckBox(tr("Colour 1 in the c&entre"), this);
    m_pForm->addRow(QString(), m_pCentre);

    m_pPictureRow = new QWidget(this);
    auto* pictureLayout = new QHBoxLayout(m_pPictureRow);
    pictureLayout->setContentsMargins(0, 0, 0, 0);
    m_pPicture = new QLineEdit(m_pPictureRow);
    m_pPicture->setAccessibleName(tr("%1 picture file").arg(what));
    m_pBrowse = new QPushButton(tr("&Browse..."), m_pPictureRow);
    m_pBrowse->setAccessibleName(tr("Browse for the picture"));
    pictureLayout->addWidget(m_pPicture, 1);
    pictureLayout->addWidget(m_pBrowse);
    auto* pictureCaption = new QLabel(tr("P&icture:"), this);
    pictureCaption->setBuddy(m_pPicture);
    m_pForm->addRow(pictureCaption, m_pPictureRow);

    m_pWrap = Qarn::CreateChoice({tr("Tile"), tr("Tile, flipped across"), tr("Tile, flipped down"),
                                  tr("Tile, flipped both ways"), tr("Once (no tiles)")},
                                 this);
    m_pWrap->setAccessibleName(tr("%1 picture wrap mode").arg(what));
    Qarn::AddFormRow(m_pForm, tr("&Wrap:"), m_pWrap);
    m_pStretch = Qarn::CreateCheckBox(tr("&Stretch to the shape"), this);
    m_pForm->addRow(QString(), m_pStretch);

    connect(m_pKind, &QComboBox::currentIndexChanged, this, [this] {
        ShowRowsOfKind();
        Q_EMIT Changed();
    });
    for (CQarnColorWell* well : {m_pColor1, m_pColor2}) {
        connect(well, &CQarnWell::ValueChanged, this, [this] {
            m_pHatch->SetColors(m_pColor1->GetColor().ToQColor(), m_pColor2->GetColor().ToQColor());
            Q_EMIT Changed();
        });
    }
    connect(m_pHatch, &CQarnWell::ValueChanged, this, &CQarnPaintEditor::Changed);
    connect(m_pMode, &QComboBox::currentIndexChanged, this, &CQarnPaintEditor::Changed);
    connect(m_pCentre, &QCheckBox::toggled, this, &CQarnPaintEditor::Changed);
    connect(m_pPicture, &QLineEdit::textChanged, this, &CQarnPaintEditor::Changed);
    connect(m_pWrap, &QComboBox::currentIndexChanged, this, &CQarnPaintEditor::Changed);
    connect(m_pStretch, &QCheckBox::toggled, this, &CQarnPaintEditor::Changed);
    connect(m_pBrowse, &QPushButton::clicked, this, &CQarnPaintEditor::BrowsePicture);
    ShowRowsOfKind();
}

BYTE CQarnPaintEditor::GetBrushType() const {
    return kKinds[std::max(0, m_pKind->currentIndex())];
}

void CQarnPaintEditor::SetBrushType(BYTE type) {
    m_pKind->setCurrentIndex(KindIndex(type));
}

void CQarnPaintEditor::Load(const CQarnBasicBrushProperty& paint) {
    const QSignalBlocker blockKind(m_pKind);
    SetBrushType(paint.GetBrushType());
    m_pColor1->SetColor(paint.GetColor1());
    m_pColor2->SetColor(paint.GetColor2());
    m_pHatch->SetColors(paint.GetColor1().ToQColor(), paint.GetColor2().ToQColor());
    m_pHatch->SetHatchStyle(paint.GetHatchStyle());
    // One stored field is the hatch pattern and the gradient direction.
    m_pMode->setCurrentIndex(paint.GetLinearGradientMode() < 4 ? paint.GetLinearGradientMode() : 0);
    m_pCentre->setChecked(!paint.GetToCenter());
    m_pPicture->setText(paint.GetImageName());
    m_pWrap->setCurrentIndex(paint.GetWrapMode() < 5 ? paint.GetWrapMode() : 0);
    m_pStretch->setChecked(paint.GetStretch());
    ShowRowsOfKind();
}

void CQarnPaintEditor::Store(CQarnBasicBrushProperty& paint) const {
    const BYTE type = GetBrushType();
    paint.SetColor1(m_pColor1->GetColor());
    if (type == CQarnBrushProperty::Solid) {
        // A solid paint keeps its second colour and the settings of the other kinds, so
        // switching back and forth loses nothing.
        paint.SetBrushType(type);
        return;
    }
    paint.SetBrushType(type);
    paint.SetColor2(m_pColor2->GetColor());
    switch (type) {
        case CQarnBrushProperty::Hatch:
            paint.SetHatchStyle(m_pHatch->GetHatchStyle());
            break;
        case CQarnBrushProperty::LinearGradient:
            paint.SetLinearGradientMode(BYTE(m_pMode->currentIndex()));
            break;
        case CQarnBrushProperty::PathGradient:
            paint.SetToCenter(!m_pCentre->isChecked());
            break;
        case CQarnBrushProperty::Texture:
            if (paint.GetImageName() != m_pPicture->text().trimmed()) {
                paint.SetImageName(m_pPicture->text().trimmed());
            }
            paint.SetWrapMode(BYTE(m_pWrap->currentIndex()));
            paint.SetStretch(m_pStretch->isChecked());
            break;
        default:
            break;
    }
}

QString CQarnPaintEditor::CheckValues(QWidget** field) const {
    if (GetBrushType() != CQarnBrushProperty::Texture) {
        return QString();
    }
    const QString path = m_pPicture->text().trimmed();
    if (field != nullptr) {
        *field = m_pPicture;
    }
    if (path.isEmpty()) {
        return tr("Choose the picture file of the picture fill.");
    }
    QImageReader reader(path);
    if (!reader.canRead()) {
        return tr("The picture \"%1\" cannot be read: %2").arg(path, reader.errorString());
    }
    return QString();
}

void CQarnPaintEditor::ShowRowsOfKind() {
    const BYTE type = GetBrushType();
    const bool solid = type == CQarnBrushProperty::Solid;
    const bool picture = type == CQarnBrushProperty::Texture;
    if (auto* caption = qobject_cast<QLabel*>(m_pForm->labelForField(m_pColor1))) {
        caption->setText(solid ? tr("&Colour:") : tr("&Colour 1:"));
    }
    m_pForm->setRowVisible(m_pColor1, !picture);
    m_pForm->setRowVisible(m_pColor2, !solid && !picture);
    m_pForm->setRowVisible(m_pHatch, type == CQarnBrushProperty::Hatch);
    m_pForm->setRowVisible(m_pMode, type == CQarnBrushProperty::LinearGradient);
    m_pForm->setRowVisible(m_pCentre, type == CQarnBrushProperty::PathGradient);
    m_pForm->setRowVisible(m_pPictureRow, picture);
    m_pForm->setRowVisible(m_pWrap, picture);
    m_pForm->setRowVisible(m_pStretch, picture);
}

void CQarnPaintEditor::BrowsePicture() {
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Picture"), m_pPicture->text(),
        tr("Pictures (*.png *.jpg *.jpeg *.bmp *.gif *.tif *.tiff);;All files (*)"));
    if (!path.isEmpty()) {
        m_pPicture->setText(path);
    }
}
