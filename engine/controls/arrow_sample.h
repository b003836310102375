#pragma once
// A sample line with the arrow heads and sizes chosen, drawn as the page draws arrow heads.

#include <QWidget>

#include "core/arrow_type.h"

class CQarnArrowSample : public QWidget {
    Q_OBJECT

public:
    explicit CQarnArrowSample(QWidget* parent = nullptr);

    void SetArrows(ArrowType start, int startSize, ArrowType end, int endSize);

    QSize sizeHint() const override { return QSize(220, 60); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ArrowType m_Start = ArrowTypeNone;
    ArrowType m_End = ArrowTypeNone;
    int m_nStartSize = 4;
    int m_nEndSize = 4;
};
