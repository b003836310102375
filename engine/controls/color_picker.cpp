#include "controls/color_picker.h"

#include <QColorDialog>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMetaMethod>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>
#include <cmath>

#include "controls/color_items.h"
#include "controls/recent_colors.h"
#include "controls/well_grid.h"

namespace {

CQarnColorPicker::ColorDialog& InstalledDialog() {
    static CQarnColorPicker::ColorDialog dialog;
    return dialog;
}

std::optional<Color> AskSystemDialog(QWidget* parent, const Color& initial, bool alpha) {
    QColorDialog::ColorDialogOptions options;
    if (alpha) {
        options |= QColorDialog::ShowAlphaChannel;
    }
    const QColor chosen =
        QColorDialog::getColor(initial.ToQColor(), parent, CQarnColorPicker::tr("Colour"), options);
    if (!chosen.isValid()) {
        return std::nullopt;
    }
    return Color::FromQColor(chosen);
}

QList<CQarnColorItems::Entry> RecentEntries() {
    QList<CQarnColorItems::Entry> entries;
    for (const Color& c : CQarnRecentColors::Get()) {
        entries.append({c, QString()});
    }
    return entries;
}

Color WithAlpha(const Color& color, BYTE alpha) {
    return Color(alpha, color.GetR(), color.GetG(), color.GetB());
}

}  // namespace

CQarnColorPicker::CQarnColorPicker(const QString& name, QWidget* parent) : QWidget(parent) {
    setAccessibleName(name);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);

    m_pPaletteItems = std::make_shared<CQarnColorItems>(CQarnColorItems::StandardPalette(), 8);
    m_pPalette = new CQarnWellGrid(m_pPaletteItems, tr("Colours"), this);
    layout->addWidget(m_pPalette);

    m_pRecentCaption = new QLabel(tr("Recent colours"), this);
    layout->addWidget(m_pRecentCaption);
    m_pRecent = new CQarnWellGrid(std::make_shared<CQarnColorItems>(RecentEntries(), 8),
                                  tr("Recent colours"), this);
    layout->addWidget(m_pRecent);
    const bool anyRecent = !CQarnRecentColors::Get().isEmpty();
    m_pRecentCaption->setVisible(anyRecent);
    m_pRecent->setVisible(anyRecent);

    auto* opacityRow = new QHBoxLayout();
    m_pOpacityCaption = new QLabel(tr("&Opacity:"), this);
    m_pOpacity = new QSlider(Qt::Horizontal, this);
    m_pOpacity->setRange(0, 100);
    m_pOpacity->setPageStep(10);
    m_pOpacity->setAccessibleName(tr("Opacity"));
    m_pOpacityCaption->setBuddy(m_pOpacity);
    m_pOpacityValue = new QLabel(this);
    m_pOpacityValue->setMinimumWidth(
        m_pOpacityValue->fontMetrics().horizontalAdvance(QStringLiteral("100 %")));
    opacityRow->addWidget(m_pOpacityCaption);
    opacityRow->addWidget(m_pOpacity, 1);
    opacityRow->addWidget(m_pOpacityValue);
    layout->addLayout(opacityRow);
    m_pOpacity->installEventFilter(this);

    m_pMore = new QPushButton(tr("&More colours..."), this);
    m_pMore->setAccessibleName(tr("More colours"));
    layout->addWidget(m_pMore);

    connect(m_pPalette, &CQarnWellGrid::Activated, this, [this](int index) {
        Take(WithAlpha(m_pPaletteItems->GetColorAt(index), SliderAlpha()));
    });
    connect(m_pRecent, &CQarnWellGrid::Activated, this, [this](int index) {
        const auto& items = static_cast<const CQarnColorItems&>(m_pRecent->GetItems());
        Take(m_bAlpha ? items.GetColorAt(index) : WithAlpha(items.GetColorAt(index), 255));
    });
    connect(m_pPalette, &CQarnWellGrid::Cancelled, this, &CQarnColorPicker::Cancelled);
    connect(m_pRecent, &CQarnWellGrid::Cancelled, this, &CQarnColorPicker::Cancelled);
    connect(m_pOpacity, &QSlider::valueChanged, this, [this] { ShowOpacity(); });
    connect(m_pMore, &QPushButton::clicked, this, [this] {
        if (isSignalConnected(QMetaMethod::fromSignal(&CQarnColorPicker::MoreColorsRequested))) {
            Q_EMIT MoreColorsRequested();
        } else {
            PickOtherColor();
        }
    });
    SetColor(m_Color);
}

void CQarnColorPicker::SetColor(const Color& color) {
    m_Color = m_bAlpha ? color : WithAlpha(color, 255);
    m_pPalette->SetCurSel(m_pPaletteItems->IndexOf(WithAlpha(color, 255)));
    m_pOpacity->setValue(int(std::lround(m_Color.GetA() * 100.0 / 255.0)));
    ShowOpacity();
}

void CQarnColorPicker::SetAlphaEnabled(bool enabled) {
    m_bAlpha = enabled;
    m_pOpacityCaption->setVisible(enabled);
    m_pOpacity->setVisible(enabled);
    m_pOpacityValue->setVisible(enabled);
    SetColor(m_Color);
}

BYTE CQarnColorPicker::SliderAlpha() const {
    if (!m_bAlpha) {
        return 255;
    }
    // The slider shows whole percents; a colour whose opacity the slider was not moved from
    // keeps its exact alpha.
    const int shownPercent = int(std::lround(m_Color.GetA() * 100.0 / 255.0));
    if (m_pOpacity->value() == shownPercent) {
        return m_Color.GetA();
    }
    return BYTE(std::lround(m_pOpacity->value() * 255.0 / 100.0));
}

void CQarnColorPicker::ShowOpacity() {
    m_pOpacityValue->setText(tr("%1 %").arg(QLocale().toString(m_pOpacity->value())));
}

void CQarnColorPicker::TakeCurrentColor() {
    Take(WithAlpha(m_Color, SliderAlpha()));
}

bool CQarnColorPicker::PickOtherColor() {
    const ColorDialog& installed = InstalledDialog();
    const std::optional<Color> chosen =
        installed ? installed(this, m_Color, m_bAlpha) : AskSystemDialog(this, m_Color, m_bAlpha);
    if (!chosen) {
        return false;
    }
    Take(m_bAlpha ? *chosen : WithAlpha(*chosen, 255));
    return true;
}

void CQarnColorPicker::Take(const Color& color) {
    SetColor(color);
    CQarnRecentColors::Add(m_Color);
    Q_EMIT ColorPicked(m_Color);
}

CQarnColorPicker::ColorDialog CQarnColorPicker::SetColorDialog(ColorDialog dialog) {
    return std::exchange(InstalledDialog(), std::move(dialog));
}

bool CQarnColorPicker::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_pOpacity && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            TakeCurrentColor();
            return true;
        }
        if (key == Qt::Key_Escape) {
            Q_EMIT Cancelled();
            return isSignalConnected(QMetaMethod::fromSignal(&CQarnColorPicker::Cancelled));
        }
    }
    return QWidget::eventFilter(watched, event);
}
