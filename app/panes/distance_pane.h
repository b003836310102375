#pragma once
// The distance pane: the distance and angle between the last two points clicked in the
// drawing, with the horizontal and vertical offsets, in a ruler unit of the person's choice.

#include "panes/pane.h"

#include <QPoint>
#include <QVector>

class QComboBox;
class QLabel;
class QPushButton;

class CDistancePane : public CPane {
    Q_OBJECT

public:
    explicit CDistancePane(QWidget* parent = nullptr);

    // A point clicked in the drawing (document units): the first of a new pair once two are
    // there.
    void AddPoint(const QPoint& docPoint);
    void Clear();
    const QVector<QPoint>& GetPoints() const { return m_Points; }
    // In document units; angle in degrees anticlockwise from the right (-180, 180].
    double GetDistance() const;
    double GetAngle() const;
    QComboBox* GetUnitBox() const { return m_pUnit; }
    QLabel* GetDistanceField() const { return m_pDistance; }
    QLabel* GetAngleField() const { return m_pAngle; }

protected:
    void OnChanges(unsigned changes) override;

private:
    void ShowValues();

    QVector<QPoint> m_Points;
    QComboBox* m_pUnit;
    QLabel* m_pFirst;
    QLabel* m_pSecond;
    QLabel* m_pOffset;
    QLabel* m_pDistance;
    QLabel* m_pAngle;
    QPushButton* m_pClear;
};
