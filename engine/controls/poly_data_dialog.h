#pragma once
// "Poly Data": the points of a poly as a table to edit, in document units in the poly's own
// frame (before it is turned or flipped). Points can be inserted, added and deleted; a poly
// keeps at least two points and no more than its record can hold. The dialog returns the
// points; Apply puts them into the poly, and the caller records the change.

#include <vector>

#include "controls/dialog.h"
#include "platform/point_f.h"

class CQarnPoly;
class QPushButton;
class QTableWidget;

class CQarnPolyDataDialog : public CQarnDialog {
    Q_OBJECT

public:
    CQarnPolyDataDialog(const CQarnPoly& poly, QWidget* parent = nullptr);

    // The points of the table (after OK).
    std::vector<PointF> GetPoints() const;
    // Replaces the poly's points and rebuilds its frame and outline; false when they are the
    // points it has.
    static bool Apply(CQarnPoly& poly, const std::vector<PointF>& points);
    // Whether the points are exactly the ones the poly has.
    static bool SamePoints(const CQarnPoly& poly, const std::vector<PointF>& points);

    QTableWidget* GetTable() const { return m_pTable; }
    QPushButton* GetInsertButton() const { return m_pInsert; }
    QPushButton* GetAddButton() const { return m_pAdd; }
    QPushButton* GetDeleteButton() const { return m_pDelete; }

    // A point before the current one (a copy of it).
    void InsertPoint();
    // A point after the last one (a copy of it).
    void AddPoint();
    // Deletes the current point; refused (with a message) at two points.
    void DeletePoint();

protected:
    bool ValidateMore() override;

private:
    void SetRow(int row, const PointF& point);
    void UpdateButtons();
    QString FormatCoordinate(double value) const;
    std::optional<double> ReadCoordinate(int row, int column) const;

    std::vector<PointF> m_Loaded;
    QTableWidget* m_pTable = nullptr;
    QPushButton* m_pInsert = nullptr;
    QPushButton* m_pAdd = nullptr;
    QPushButton* m_pDelete = nullptr;
};
