#pragma once
// A well whose choices are drawn samples (line styles, arrow heads, hatches, shadows...): its
// value is the index of a sample, -1 when the value is none of them (a line width that is
// not listed, a value several objects do not share); the well then shows a text instead.

#include <memory>

#include "controls/well.h"

class CQarnWellGrid;
class CQarnWellItems;

class CQarnItemWell : public CQarnWell {
    Q_OBJECT

public:
    CQarnItemWell(std::shared_ptr<const CQarnWellItems> items, const QString& name,
                  QWidget* parent);

    const CQarnWellItems& GetItems() const { return *m_pItems; }
    // -1 for none.
    int GetCurSel() const { return m_nCurSel; }
    // Chooses the index (-1 or any index out of the list: none) without telling anyone.
    void SetCurSel(int index);
    // Shown while no sample is chosen.
    void SetNoSelectionText(const QString& text);
    // The grid of the open drop-down (null while closed).
    CQarnWellGrid* GetDropDownGrid() const { return m_pGrid; }

protected:
    QWidget* CreateDropDownContent(QWidget* parent) override;
    QWidget* GetDropDownFocus() const override;
    bool TakeDropDownChoice() override;
    void OnDropDownClosed() override { m_pGrid = nullptr; }
    void PaintValue(QPainter& painter, const QRect& field) const override;
    QSize GetValueSize() const override;
    bool StepValue(int delta) override;
    LPARAM GetMessageValue() const override { return LPARAM(m_nCurSel); }

private:
    std::shared_ptr<const CQarnWellItems> m_pItems;
    int m_nCurSel = -1;
    QString m_strNoSelection;
    CQarnWellGrid* m_pGrid = nullptr;
};
