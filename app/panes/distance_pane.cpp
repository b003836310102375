#include "panes/distance_pane.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "core/unit.h"
#include "unit_text.h"
#include "view/ruler_bar.h"

namespace {

const char* const kUnitNames[CUnit::kRulerUnitCount] = {
    "Inches (\")", "Centimetres",   "Points",         "Picas",
    "Inches (in)", "Inches (inch)", "Inches (inches)"};

QLabel* Field(const QString& name) {
    auto* label = new QLabel();
    label->setAccessibleName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace

CDistancePane::CDistancePane(QWidget* parent)
    : CPane(parent),
      m_pUnit(new QComboBox()),
      m_pFirst(Field(QStringLiteral("First point"))),
      m_pSecond(Field(QStringLiteral("Second point"))),
      m_pOffset(Field(QStringLiteral("Horizontal and vertical offset"))),
      m_pDistance(Field(QStringLiteral("Distance"))),
      m_pAngle(Field(QStringLiteral("Angle"))),
      m_pClear(new QPushButton(QStringLiteral("C&lear"))) {
    setObjectName(QStringLiteral("DistancePane"));
    for (const char* name : kUnitNames) {
        m_pUnit->addItem(QString::fromUtf8(name));
    }
    m_pUnit->setCurrentIndex(1);
    m_pUnit->setAccessibleName(QStringLiteral("Unit"));
    m_pUnit->setToolTip(QStringLiteral("The unit of the distances"));
    m_pClear->setAccessibleName(QStringLiteral("Clear the points"));
    m_pClear->setToolTip(QStringLiteral("Forget the points clicked"));
    auto* form = new QFormLayout();
    form->addRow(QStringLiteral("&Unit:"), m_pUnit);
    form->addRow(QStringLiteral("From:"), m_pFirst);
    form->addRow(QStringLiteral("To:"), m_pSecond);
    form->addRow(QStringLiteral("Offset:"), m_pOffset);
    form->addRow(QStringLiteral("Distance:"), m_pDistance);
    form->addRow(QStringLiteral("Angle:"), m_pAngle);
    auto* hint = new QLabel(QStringLiteral("Click two points in the drawing."));
    hint->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addLayout(form);
    layout->addWidget(m_pClear, 0, Qt::AlignLeft);
    layout->addStretch(1);
    connect(m_pUnit, &QComboBox::currentIndexChanged, this, &CDistancePane::ShowValues);
    connect(m_pClear, &QPushButton::clicked, this, &CDistancePane::Clear);
    ShowValues();
}

void CDistancePane::AddPoint(const QPoint& docPoint) {
    if (m_Points.size() >= 2) {
        m_Points.clear();
    }
    m_Points.append(docPoint);
    ShowValues();
}

void CDistancePane::Clear() {
    m_Points.clear();
    ShowValues();
}

double CDistancePane::GetDistance() const {
    if (m_Points.size() < 2) {
        return 0.0;
    }
    const QPoint d = m_Points[1] - m_Points[0];
    return std::hypot(double(d.x()), double(d.y()));
}

double CDistancePane::GetAngle() const {
    if (m_Points.size() < 2) {
        return 0.0;
    }
    const QPoint d = m_Points[1] - m_Points[0];
    // The page's y axis points down; angles are counted the way people read them.
    return std::atan2(-double(d.y()), double(d.x())) * 180.0 / M_PI;
}

void CDistancePane::OnChanges(unsigned) {}

void CDistancePane::ShowValues() {
    const int unit = m_pUnit->currentIndex();
    const auto point = [unit](const QPoint& p) {
        return QStringLiteral("%1, %2").arg(Qarn::DocUnitsToText(p.x(), unit),
                                            Qarn::DocUnitsToText(p.y(), unit));
    };
    m_pFirst->setText(!m_Points.isEmpty() ? point(m_Points[0]) : QStringLiteral("-"));
    m_pSecond->setText(m_Points.size() > 1 ? point(m_Points[1]) : QStringLiteral("-"));
    if (m_Points.size() < 2) {
        m_pOffset->setText(QStringLiteral("-"));
        m_pDistance->setText(QStringLiteral("-"));
        m_pAngle->setText(QStringLiteral("-"));
        return;
    }
    const QPoint d = m_Points[1] - m_Points[0];
    m_pOffset->setText(QStringLiteral("%1, %2").arg(Qarn::DocUnitsToText(d.x(), unit),
                                                    Qarn::DocUnitsToText(d.y(), unit)));
    m_pDistance->setText(Qarn::DocUnitsToText(GetDistance(), unit));
    m_pAngle->setText(QStringLiteral("%1°").arg(GetAngle(), 0, 'f', 1));
}
