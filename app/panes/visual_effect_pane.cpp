#include "panes/visual_effect_pane.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFontComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include "controls/arrow_head_items.h"
#include "controls/dash_style_items.h"
#include "controls/hatch_items.h"
#include "core/component.h"
#include "core/conversions.h"
#include "core/property_ids.h"
#include "platform/brush_type.h"
#include "platform/variant.h"
#include "undo/action_ids.h"
#include "undo/action_recorder.h"
#include "undo/arrow_action.h"
#include "undo/edit_multi_action.h"
#include "undo/prop_action.h"
#include "undo/undo_macro_guard.h"
#include "view/qarn_view.h"

namespace {

using namespace QarnPropId;

// A list entry's picture drawn by the library's well items.
QIcon ItemIcon(const CQarnWellItems& items, int index, const QSize& size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    items.PaintItem(painter, QRectF(QPointF(0, 0), QSizeF(size)), index);
    return QIcon(pixmap);
}

QColor FromArgb(std::int32_t argb) {
    return QColor::fromRgba(QRgb(quint32(argb)));
}

std::int32_t ToArgb(const QColor& color) {
    return std::int32_t(quint32(color.rgba()));
}

QIcon Swatch(const QColor& color) {
    QPixmap pixmap(QSize(28, 16));
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    // A checkerboard under the colour shows how transparent it is.
    for (int y = 0; y < 16; y += 4) {
        for (int x = 0; x < 28; x += 4) {
            if (((x + y) / 4) % 2 == 0) {
                painter.fillRect(x, y, 4, 4, QColor(0xcc, 0xcc, 0xcc));
            }
        }
    }
    painter.fillRect(pixmap.rect(), color);
    painter.setPen(Qt::black);
    painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return QIcon(pixmap);
}

BYTE PercentToAlpha(int percent) {
    return BYTE(std::clamp(qRound(percent * 255.0 / 100.0), 0, 255));
}

int AlphaToPercent(int alpha) {
    return qRound(std::clamp(alpha, 0, 255) * 100.0 / 255.0);
}

}  // namespace

CVisualEffectPane::CVisualEffectPane(QWidget* parent) : CPane(parent) {
    setObjectName(QStringLiteral("VisualEffectPane"));
    Build();
}

QCheckBox* CVisualEffectPane::Check(UINT id, const QString& text, const QString& tip) {
    auto* box = new QCheckBox(text);
    box->setAccessibleName(QString(text).remove(QLatin1Char('&')));
    box->setToolTip(tip);
    m_Controls.insert(id, box);
    connect(box, &QCheckBox::toggled, this, [this, id](bool on) {
        if (!m_bShowing) {
            ApplyValue(id, CVariant(on));
        }
    });
    return box;
}

QToolButton* CVisualEffectPane::ColorButton(UINT id, const QString& name) {
    auto* button = new QToolButton();
    button->setAccessibleName(name);
    button->setToolTip(QStringLiteral("Choose the %1").arg(name.toLower()));
    button->setIconSize(QSize(28, 16));
    m_Controls.insert(id, button);
    connect(button, &QToolButton::clicked, this, [this, id] { PickColor(id); });
    return button;
}

QComboBox* CVisualEffectPane::Choice(UINT id, const QStringList& items, const QString& name) {
    auto* box = new QComboBox();
    box->addItems(items);
    box->setAccessibleName(name);
    box->setToolTip(name);
    m_Controls.insert(id, box);
    connect(box, &QComboBox::activated, this, [this, id](int index) {
        const bool byte = id == LineCap || id == LineJoin || id == HatchStyle || id == GradientMode;
        ApplyValue(id, byte ? CVariant(BYTE(index)) : CVariant(std::int32_t(index)));
    });
    return box;
}

QSpinBox* CVisualEffectPane::Percent(UINT id, const QString& name) {
    auto* box = new QSpinBox();
    box->setRange(0, 100);
    box->setSuffix(QStringLiteral(" %"));
    box->setAccessibleName(name);
    box->setToolTip(name);
    box->setKeyboardTracking(false);
    m_Controls.insert(id, box);
    connect(box, &QSpinBox::valueChanged, this, [this, id](int percent) {
        if (!m_bShowing) {
            const BYTE alpha = PercentToAlpha(percent);
            ApplyValue(id, id == Alpha ? CVariant(std::int32_t(alpha)) : CVariant(alpha));
        }
    });
    return box;
}

QSpinBox* CVisualEffectPane::Whole(UINT id, int low, int high, const QString& name,
                                   const QString& suffix) {
    auto* box = new QSpinBox();
    box->setRange(low, high);
    box->setSuffix(suffix);
    box->setAccessibleName(name);
    box->setToolTip(name);
    box->setKeyboardTracking(false);
    m_Controls.insert(id, box);
    connect(box, &QSpinBox::valueChanged, this, [this, id](int value) {
        if (!m_bShowing) {
            const bool byte = id == StartArrowSize || id == EndArrowSize;
            ApplyValue(id, byte ? CVariant(BYTE(value)) : CVariant(std::int32_t(value)));
        }
    });
    return box;
}

void CVisualEffectPane::Build() {
    m_pSummary = new QLabel();
    m_pSummary->setWordWrap(true);
    m_pSummary->setAccessibleName(QStringLiteral("Selection"));
    m_pBody = new QWidget();
    auto* body = new QVBoxLayout(m_pBody);
    body->setContentsMargins(0, 0, 0, 0);
    const auto group = [body](const QString& title) {
        auto* box = new QGroupBox(title);
        box->setAccessibleName(QString(title).remove(QLatin1Char('&')));
        auto* form = new QFormLayout(box);
        form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
        body->addWidget(box);
        return form;
    };

    // Line.
    QFormLayout* line = group(QStringLiteral("Line"));
    line->addRow(
        Check(DrawLine, QStringLiteral("&Draw the line"), QStringLiteral("Show the outline")));
    line->addRow(QStringLiteral("Colour:"), ColorButton(LineColor1, QStringLiteral("Line colour")));
    m_pLineWidth = new QDoubleSpinBox();
    m_pLineWidth->setRange(0.0, 100.0);
    m_pLineWidth->setDecimals(1);
    m_pLineWidth->setSingleStep(0.5);
    m_pLineWidth->setSuffix(QStringLiteral(" pt"));
    m_pLineWidth->setKeyboardTracking(false);
    m_pLineWidth->setAccessibleName(QStringLiteral("Line width"));
    m_pLineWidth->setToolTip(QStringLiteral("Line width"));
    m_Controls.insert(LineWidth, m_pLineWidth);
    connect(m_pLineWidth, &QDoubleSpinBox::valueChanged, this, [this](double width) {
        if (!m_bShowing) {
            ApplyValue(LineWidth, CVariant(float(width)));
        }
    });
    line->addRow(QStringLiteral("&Width:"), m_pLineWidth);
    QComboBox* dash = Choice(DashStyle, {}, QStringLiteral("Dash style"));
    const CQarnDashStyleItems dashes;
    for (int i = 0; i < CQarnDashStyleItems::kCount; ++i) {
        dash->addItem(ItemIcon(dashes, i, QSize(60, 12)), dashes.GetItemName(i));
    }
    dash->setIconSize(QSize(60, 12));
    line->addRow(QStringLiteral("Da&sh:"), dash);
    line->addRow(QStringLiteral("&Caps:"),
                 Choice(LineCap,
                        {QStringLiteral("Flat"), QStringLiteral("Square"), QStringLiteral("Round"),
                         QStringLiteral("Triangle")},
                        QStringLiteral("Line caps")));
    line->addRow(QStringLiteral("&Joins:"),
                 Choice(LineJoin,
                        {QStringLiteral("Mitre"), QStringLiteral("Bevel"), QStringLiteral("Round"),
                         QStringLiteral("Clipped mitre")},
                        QStringLiteral("Line joins")));
    line->addRow(QStringLiteral("Opacity:"), Percent(LineAlpha, QStringLiteral("Line opacity")));

    // Fill.
    QFormLayout* fill = group(QStringLiteral("Fill"));
    fill->addRow(
        Check(Fill, QStringLiteral("&Fill the inside"), QStringLiteral("Paint the inside")));
    m_pBrushKind = new QComboBox();
    m_pBrushKind->addItems({QStringLiteral("Solid colour"), QStringLiteral("Hatch"),
                            QStringLiteral("Picture"), QStringLiteral("Radial gradient"),
                            QStringLiteral("Linear gradient")});
    m_pBrushKind->setAccessibleName(QStringLiteral("Kind of fill"));
    m_pBrushKind->setToolTip(QStringLiteral("Kind of fill"));
    connect(m_pBrushKind, &QComboBox::activated, this, &CVisualEffectPane::ApplyBrushType);
    fill->addRow(QStringLiteral("&Kind:"), m_pBrushKind);
    fill->addRow(QStringLiteral("Colour:"), ColorButton(FillColor1, QStringLiteral("Fill colour")));
    fill->addRow(QStringLiteral("Second colour:"),
                 ColorButton(FillColor2, QStringLiteral("Second fill colour")));
    QComboBox* hatch = Choice(HatchStyle, {}, QStringLiteral("Hatch pattern"));
    const CQarnHatchItems hatches;
    for (int i = 0; i < CQarnHatchItems::kCount; ++i) {
        hatch->addItem(ItemIcon(hatches, i, QSize(16, 16)), hatches.GetItemName(i));
    }
    fill->addRow(QStringLiteral("&Hatch:"), hatch);
    fill->addRow(QStringLiteral("&Gradient:"),
                 Choice(GradientMode,
                        {QStringLiteral("Horizontal"), QStringLiteral("Vertical"),
                         QStringLiteral("Forward diagonal"), QStringLiteral("Backward diagonal")},
                        QStringLiteral("Gradient direction")));
    m_pPicture = new QPushButton(QStringLiteral("&Picture..."));
    m_pPicture->setAccessibleName(QStringLiteral("Picture of the fill"));
    m_pPicture->setToolTip(QStringLiteral("Choose the picture that fills the shape"));
    connect(m_pPicture, &QPushButton::clicked, this, &CVisualEffectPane::PickPicture);
    fill->addRow(QStringLiteral("Picture:"), m_pPicture);
    fill->addRow(QStringLiteral("Opacity:"), Percent(FillAlpha, QStringLiteral("Fill opacity")));

    // Arrow heads.
    QFormLayout* arrows = group(QStringLiteral("Arrow heads"));
    const auto arrowBox = [this](bool start) {
        auto* box = new QComboBox();
        const CQarnArrowHeadItems items(start ? CQarnArrowHeadItems::End::Start
                                              : CQarnArrowHeadItems::End::End);
        for (int i = 0; i < CQarnArrowHeadItems::kCount; ++i) {
            box->addItem(ItemIcon(items, i, QSize(60, 14)), items.GetItemName(i));
        }
        box->setIconSize(QSize(60, 14));
        const QString name =
            start ? QStringLiteral("Start arrow head") : QStringLiteral("End arrow head");
        box->setAccessibleName(name);
        box->setToolTip(name);
        connect(box, &QComboBox::activated, this,
                [this, start](int index) { ApplyArrow(start, index); });
        return box;
    };
    m_pStartArrow = arrowBox(true);
    m_pEndArrow = arrowBox(false);
    arrows->addRow(QStringLiteral("S&tart:"), m_pStartArrow);
    arrows->addRow(QStringLiteral("Start size:"),
                   Whole(StartArrowSize, 0, 9, QStringLiteral("Start arrow size"), {}));
    arrows->addRow(QStringLiteral("&End:"), m_pEndArrow);
    arrows->addRow(QStringLiteral("End size:"),
                   Whole(EndArrowSize, 0, 9, QStringLiteral("End arrow size"), {}));

    // Shadow.
    QFormLayout* shadow = group(QStringLiteral("Shadow"));
    shadow->addRow(
        Check(DrawShadow, QStringLiteral("Cast a s&hadow"), QStringLiteral("Show the shadow")));
    shadow->addRow(QStringLiteral("Colour:"),
                   ColorButton(ShadowColor1, QStringLiteral("Shadow colour")));
    shadow->addRow(QStringLiteral("Offset &x:"),
                   Whole(ShadowOffsetX, -500, 500, QStringLiteral("Shadow offset across"),
                         QStringLiteral(" units")));
    shadow->addRow(QStringLiteral("Offset &y:"),
                   Whole(ShadowOffsetY, -500, 500, QStringLiteral("Shadow offset down"),
                         QStringLiteral(" units")));
    shadow->addRow(QStringLiteral("Opacity:"),
                   Percent(ShadowAlpha, QStringLiteral("Shadow opacity")));

    // Text.
    QFormLayout* text = group(QStringLiteral("Text"));
    m_pFont = new QFontComboBox();
    m_pFont->setAccessibleName(QStringLiteral("Font"));
    m_pFont->setToolTip(QStringLiteral("Font of the text"));
    m_pFont->setMinimumContentsLength(8);
    m_pFont->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_Controls.insert(FontName, m_pFont);
    connect(m_pFont, &QFontComboBox::activated, this,
            [this] { ApplyValue(FontName, CVariant(m_pFont->currentFont().family())); });
    text->addRow(QStringLiteral("F&ont:"), m_pFont);
    text->addRow(QStringLiteral("Si&ze:"),
                 Whole(FontSize, 1, 1000, QStringLiteral("Font size"), QStringLiteral(" pt")));
    text->addRow(QStringLiteral("Colour:"), ColorButton(TextColor, QStringLiteral("Text colour")));

    // Overall.
    QFormLayout* overall = group(QStringLiteral("Whole object"));
    overall->addRow(QStringLiteral("&Opacity:"),
                    Percent(Alpha, QStringLiteral("Opacity of the whole object")));
    body->addStretch(1);

    auto* scroll = new QScrollArea();
    scroll->setWidget(m_pBody);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pSummary);
    layout->addWidget(scroll, 1);
}

void CVisualEffectPane::OnChanges(unsigned changes) {
    if (changes & (ViewChanged | SelectionChanged | DrawingChanged)) {
        ShowValues();
    }
}

void CVisualEffectPane::ShowValues() {
    CQarnView* view = GetView();
    const ComponentList none;
    const ComponentList& selection = view != nullptr ? view->GetSelection() : none;
    if (selection.isEmpty()) {
        m_pSummary->setText(view != nullptr
                                ? QStringLiteral("Select objects to change how they look.")
                                : QStringLiteral("No drawing is open."));
        m_pBody->setEnabled(false);
        return;
    }
    m_pSummary->setText(selection.size() == 1
                            ? QStringLiteral("1 object selected")
                            : QStringLiteral("%1 objects selected").arg(selection.size()));
    m_pBody->setEnabled(true);
    CQarnComponent* c = selection.first();
    m_bShowing = true;
    for (auto it = m_Controls.constBegin(); it != m_Controls.constEnd(); ++it) {
        const QSignalBlocker block(it.value());
        const CVariant value = c->GetPropValue(it.key());
        if (auto* check = qobject_cast<QCheckBox*>(it.value())) {
            check->setChecked(value.GetBool() != 0);
        } else if (auto* button = qobject_cast<QToolButton*>(it.value())) {
            CVariant argb;
            value.ChangeType(VT_I4, &argb);
            button->setIcon(Swatch(FromArgb(argb.GetI4())));
        } else if (auto* font = qobject_cast<QFontComboBox*>(it.value())) {
            font->setCurrentFont(QFont(value.GetBSTR()));
        } else if (auto* combo = qobject_cast<QComboBox*>(it.value())) {
            CVariant index;
            value.ChangeType(VT_I4, &index);
            combo->setCurrentIndex(std::clamp(index.GetI4(), 0, combo->count() - 1));
        } else if (auto* spin = qobject_cast<QSpinBox*>(it.value())) {
            CVariant number;
            value.ChangeType(VT_I4, &number);
            const bool percent = spin->suffix() == QStringLiteral(" %");
            spin->setValue(percent ? AlphaToPercent(number.GetI4()) : number.GetI4());
        } else if (auto* real = qobject_cast<QDoubleSpinBox*>(it.value())) {
            CVariant number;
            value.ChangeType(VT_R8, &number);
            real->setValue(number.GetR8());
        }
    }
    {
        const QSignalBlocker block(m_pBrushKind);
        m_pBrushKind->setCurrentIndex(
            std::clamp(int(c->GetBrushType()), 0, m_pBrushKind->count() - 1));
    }
    {
        const QSignalBlocker startBlock(m_pStartArrow);
        const QSignalBlocker endBlock(m_pEndArrow);
        m_pStartArrow->setCurrentIndex(Qarn::ArrowType2Index(ArrowType(c->GetStartArrow())));
        m_pEndArrow->setCurrentIndex(Qarn::ArrowType2Index(ArrowType(c->GetEndArrow())));
    }
    m_bShowing = false;
}

bool CVisualEffectPane::ApplyValue(UINT propertyId, const CVariant& value) {
    CQarnView* view = GetView();
    if (view == nullptr || view->GetSelection().isEmpty() ||
        view->CanAddNewAction(propertyId) != CActionRecorder::Allowed) {
        return false;
    }
    CQarnAction* action = view->RecordAction(
        std::make_unique<CPropAction>(view, propertyId, value, view->GetSelection()));
    if (action != nullptr && !action->IsFinished()) {
        action->Finish();
    }
    return action != nullptr;
}

bool CVisualEffectPane::ApplyBrushType(int type) {
    CQarnView* view = GetView();
    if (view == nullptr || view->GetSelection().isEmpty() || type < 0 || type > 4 ||
        view->CanAddNewAction(QarnActionId::EditMulti) != CActionRecorder::Allowed) {
        return false;
    }
    const ComponentList selection = view->GetSelection();
    CQarnAction* action = view->RecordAction(
        std::make_unique<CEditMultiAction>(view, QarnActionId::EditMulti, selection));
    if (action == nullptr) {
        return false;
    }
    for (CQarnComponent* c : selection) {
        c->SetBrushType(BYTE(type));
        c->Invalidate(nullptr, false);
    }
    action->Finish();
    return true;
}

bool CVisualEffectPane::ApplyArrow(bool start, int index) {
    CQarnView* view = GetView();
    const unsigned int id = start ? QarnActionId::LeftArrow : QarnActionId::RightArrow;
    if (view == nullptr || view->GetSelection().isEmpty() ||
        view->CanAddNewAction(id) != CActionRecorder::Allowed) {
        return false;
    }
    CQarnAction* action = view->RecordAction(std::make_unique<CArrowAction>(
        view, id, view->GetSelection(), Qarn::Index2ArrowType(index)));
    if (action != nullptr && !action->IsFinished()) {
        action->Finish();
    }
    return action != nullptr;
}

bool CVisualEffectPane::ApplyColor(UINT propertyId, const QColor& color) {
    return color.isValid() && ApplyValue(propertyId, CVariant(ToArgb(color)));
}

void CVisualEffectPane::PickColor(UINT id) {
    CQarnView* view = GetView();
    if (view == nullptr || view->GetSelection().isEmpty()) {
        return;
    }
    CVariant argb;
    view->GetSelection().first()->GetPropValue(id).ChangeType(VT_I4, &argb);
    const QColor chosen = QColorDialog::getColor(
        FromArgb(argb.GetI4()), this, QStringLiteral("Colour"), QColorDialog::ShowAlphaChannel);
    ApplyColor(id, chosen);
}

void CVisualEffectPane::PickPicture() {
    const QString path = QFileDialog::getOpenFileName(
        this, QStringLiteral("Picture of the fill"), QString(),
        QStringLiteral("Pictures (*.png *.jpg *.jpeg *.bmp *.gif *.tif *.tiff);;All Files (*)"));
    if (path.isEmpty()) {
        return;
    }
    CQarnView* view = GetView();
    if (view == nullptr) {
        return;
    }
    // The picture and the kind of fill are one step.
    const CUndoMacroGuard step(view, QarnActionId::EditMulti);
    if (ApplyValue(ImageName, CVariant(path))) {
        ApplyBrushType(BrushTypeTextureFill);
    }
}
