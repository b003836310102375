#include "controls/poly_data_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

#include "controls/warning.h"
#include "shapes/poly.h"

namespace {

constexpr int kFewestPoints = 2;
constexpr double kLargestCoordinate = 1000000.0;
constexpr int kDecimals = 3;

}  // namespace

CQarnPolyDataDialog::CQarnPolyDataDialog(const CQarnPoly& poly, QWidget* parent)
    : CQarnDialog(tr("Poly Data"), parent) {
    auto* layout = new QVBoxLayout(this);
    auto* caption = new QLabel(tr("&Points (hundredths of an inch):"), this);
    layout->addWidget(caption);
    m_pTable = new QTableWidget(0, 2, this);
    m_pTable->setHorizontalHeaderLabels({tr("X"), tr("Y")});
    m_pTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_pTable->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_pTable->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pTable->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                              QAbstractItemView::EditKeyPressed);
    // Tab leaves the table for the buttons; the arrow keys move between cells.
    m_pTable->setTabKeyNavigation(false);
    m_pTable->setAccessibleName(tr("Points"));
    caption->setBuddy(m_pTable);
    layout->addWidget(m_pTable, 1);
    if (poly.NeedTransform()) {
        auto* note = new QLabel(tr("The object is turned or flipped; the points are shown as "
                                   "they are before that."),
                                this);
        note->setWordWrap(true);
        layout->addWidget(note);
    }

    auto* buttons = new QHBoxLayout();
    m_pInsert = new QPushButton(tr("&Insert"), this);
    m_pInsert->setAccessibleName(tr("Insert a point before the current one"));
    m_pAdd = new QPushButton(tr("&Add"), this);
    m_pAdd->setAccessibleName(tr("Add a point at the end"));
    m_pDelete = new QPushButton(tr("&Delete"), this);
    m_pDelete->setAccessibleName(tr("Delete the current point"));
    for (QPushButton* b : {m_pInsert, m_pAdd, m_pDelete}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    layout->addLayout(buttons);
    layout->addWidget(CreateButtons());

    const PointF* points = poly.GetPointArray();
    m_Loaded.assign(points, points + poly.GetPointCount());
    m_pTable->setRowCount(int(m_Loaded.size()));
    for (int row = 0; row < int(m_Loaded.size()); ++row) {
        SetRow(row, m_Loaded[size_t(row)]);
    }
    m_pTable->setCurrentCell(0, 0);
    connect(m_pInsert, &QPushButton::clicked, this, &CQarnPolyDataDialog::InsertPoint);
    connect(m_pAdd, &QPushButton::clicked, this, &CQarnPolyDataDialog::AddPoint);
    connect(m_pDelete, &QPushButton::clicked, this, &CQarnPolyDataDialog::DeletePoint);
    UpdateButtons();
    resize(320, 380);
}

QString CQarnPolyDataDialog::FormatCoordinate(double value) const {
    QLocale shown = locale();
    shown.setNumberOptions(QLocale::OmitGroupSeparator);
    QString text = shown.toString(value, 'f', kDecimals);
    while (text.contains(shown.decimalPoint()) && text.endsWith(shown.zeroDigit())) {
        text.chop(1);
    }
    if (text.endsWith(shown.decimalPoint())) {
        text.chop(1);
    }
    return text;
}

void CQarnPolyDataDialog::SetRow(int row, const PointF& point) {
    for (int column = 0; column < 2; ++column) {
        auto* item = new QTableWidgetItem(FormatCoordinate(column == 0 ? point.X : point.Y));
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_pTable->setItem(row, column, item);
    }
    m_pTable->setVerticalHeaderItem(row, new QTableWidgetItem(QString::number(row + 1)));
}

std::optional<double> CQarnPolyDataDialog::ReadCoordinate(int row, int column) const {
    const QTableWidgetItem* item = m_pTable->item(row, column);
    const QString text = item != nullptr ? item->text().trimmed() : QString();
    bool ok = false;
    double value = locale().toDouble(text, &ok);
    if (!ok) {
        value = QLocale::c().toDouble(text, &ok);
    }
    if (!ok || !std::isfinite(value) || std::fabs(value) > kLargestCoordinate) {
        return std::nullopt;
    }
    return value;
}

void CQarnPolyDataDialog::InsertPoint() {
    const int row = std::max(0, m_pTable->currentRow());
    if (m_pTable->rowCount() >= CQarnPoly::kMaxStoredPoints) {
        Qarn::ShowWarning(this, tr("A poly holds at most %1 points.")
                                    .arg(QLocale().toString(CQarnPoly::kMaxStoredPoints)));
        return;
    }
    const PointF copy(float(ReadCoordinate(row, 0).value_or(0.0)),
                      float(ReadCoordinate(row, 1).value_or(0.0)));
    m_pTable->insertRow(row);
    SetRow(row, copy);
    for (int r = row; r < m_pTable->rowCount(); ++r) {
        m_pTable->setVerticalHeaderItem(r, new QTableWidgetItem(QString::number(r + 1)));
    }
    m_pTable->setCurrentCell(row, std::max(0, m_pTable->currentColumn()));
    UpdateButtons();
}

void CQarnPolyDataDialog::AddPoint() {
    if (m_pTable->rowCount() >= CQarnPoly::kMaxStoredPoints) {
        Qarn::ShowWarning(this, tr("A poly holds at most %1 points.")
                                    .arg(QLocale().toString(CQarnPoly::kMaxStoredPoints)));
        return;
    }
    const int last = m_pTable->rowCount() - 1;
    const PointF copy(float(ReadCoordinate(last, 0).value_or(0.0)),
                      float(ReadCoordinate(last, 1).value_or(0.0)));
    m_pTable->insertRow(last + 1);
    SetRow(last + 1, copy);
    m_pTable->setCurrentCell(last + 1, 0);
    m_pTable->setFocus();
    UpdateButtons();
}

void CQarnPolyDataDialog::DeletePoint() {
    if (m_pTable->rowCount() <= kFewestPoints) {
        Qarn::ShowWarning(this, tr("A poly needs at least %1 points.").arg(kFewestPoints));
        return;
    }
    const int row = std::max(0, m_pTable->currentRow());
    m_pTable->removeRow(row);
    for (int r = row; r < m_pTable->rowCount(); ++r) {
        m_pTable->setVerticalHeaderItem(r, new QTableWidgetItem(QString::number(r + 1)));
    }
    m_pTable->setCurrentCell(std::min(row, m_pTable->rowCount() - 1), 0);
    UpdateButtons();
}

void CQarnPolyDataDialog::UpdateButtons() {
    m_pDelete->setEnabled(m_pTable->rowCount() > kFewestPoints);
}

bool CQarnPolyDataDialog::ValidateMore() {
    for (int row = 0; row < m_pTable->rowCount(); ++row) {
        for (int column = 0; column < 2; ++column) {
            if (!ReadCoordinate(row, column)) {
                m_pTable->setCurrentCell(row, column);
                Refuse(m_pTable, tr("Point %1: %2 must be a number from %3 to %4.")
                                     .arg(row + 1)
                                     .arg(column == 0 ? QStringLiteral("X") : QStringLiteral("Y"))
                                     .arg(FormatCoordinate(-kLargestCoordinate),
                                          FormatCoordinate(kLargestCoordinate)));
                return false;
            }
        }
    }
    return true;
}

std::vector<PointF> CQarnPolyDataDialog::GetPoints() const {
    std::vector<PointF> points;
    for (int row = 0; row < m_pTable->rowCount(); ++row) {
        // A cell left as it showed keeps the exact stored value (the cell shows it rounded).
        PointF p(float(ReadCoordinate(row, 0).value_or(0.0)),
                 float(ReadCoordinate(row, 1).value_or(0.0)));
        if (row < int(m_Loaded.size())) {
            const PointF& was = m_Loaded[size_t(row)];
            if (m_pTable->item(row, 0)->text() == FormatCoordinate(was.X)) {
                p.X = was.X;
            }
            if (m_pTable->item(row, 1)->text() == FormatCoordinate(was.Y)) {
                p.Y = was.Y;
            }
        }
        points.push_back(p);
    }
    return points;
}

bool CQarnPolyDataDialog::SamePoints(const CQarnPoly& poly, const std::vector<PointF>& points) {
    return int(points.size()) == poly.GetPointCount() &&
           std::equal(points.begin(), points.end(), poly.GetPointArray(),
                      [](const PointF& a, const PointF& b) { return a.X == b.X && a.Y == b.Y; });
}

bool CQarnPolyDataDialog::Apply(CQarnPoly& poly, const std::vector<PointF>& points) {
    if (SamePoints(poly, points) || points.size() < size_t(kFewestPoints)) {
        return false;
    }
    poly.SetPointArray(points);
    poly.RecalcBounds(0);
    poly.ResetPath();
    poly.Invalidate(nullptr, false);
    poly.OnPropertyChanged(0);
    return true;
}
