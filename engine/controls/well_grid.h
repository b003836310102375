#pragma once
// A grid of samples to choose from: the body of every drop-down well and, placed in a page,
// a picker of its own. The arrow keys, Home and End move the choice, Enter or Space takes it,
// Escape gives up; the mouse picks with a click. A picker with an owner tells it about each
// choice the user makes with WELL_SELCHANGED (wParam the control id, lParam the index).

#include <QWidget>
#include <memory>

#include "platform/win_types.h"

class CQarnWellItems;

class CQarnWellGrid : public QWidget {
    Q_OBJECT

public:
    // The grid draws the items given (shared with the well that shows the same samples).
    CQarnWellGrid(std::shared_ptr<const CQarnWellItems> items, const QString& name,
                  QWidget* parent = nullptr);

    const CQarnWellItems& GetItems() const { return *m_pItems; }
    // The index chosen, -1 for none.
    int GetCurSel() const { return m_nCurSel; }
    // Chooses the index (-1 for none) without telling the owner.
    void SetCurSel(int index);
    // Who hears of the user's choices in a picker, and the id it knows this control by.
    void SetOwner(QObject* owner, int controlId);
    // The cell rectangle of an index, in widget pixels.
    QRect GetCellRect(int index) const;
    // The index under the point, -1 for none.
    int HitTest(const QPoint& point) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

Q_SIGNALS:
    // The choice moved (by key or click).
    void CurrentChanged(int index);
    // The choice was taken (Enter, Space or a click).
    void Activated(int index);
    // Escape.
    void Cancelled();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool event(QEvent* event) override;

private:
    // Moves the choice by the user's hand: tells listeners and the owner.
    void MoveTo(int index);
    void UpdateDescription();

    std::shared_ptr<const CQarnWellItems> m_pItems;
    int m_nCurSel = -1;
    int m_nHover = -1;
    int m_nPressed = -1;
    QObject* m_pOwner = nullptr;
    int m_nControlId = 0;
};
