#pragma once
// A live sample of a paint: a shape filled with a brush, or a zigzag line stroked with a pen,
// drawn by the same code that draws the page (over a checker board, so that translucency
// shows).

#include <QWidget>

#include "properties/brush_property.h"
#include "properties/pen_property.h"

class CQarnPaintPreview : public QWidget {
    Q_OBJECT

public:
    enum class Mode { Fill, Stroke };

    CQarnPaintPreview(Mode mode, const QString& name, QWidget* parent = nullptr);

    // Fill mode: the brush to fill with (copied).
    void SetBrush(const CQarnBasicBrushProperty& brush);
    // Stroke mode: the pen to stroke with (copied, its paint included).
    void SetPen(const CQarnPenProperty& pen);
    const CQarnBrushProperty& GetBrush() const { return m_Brush; }
    const CQarnPenProperty& GetPen() const { return m_Pen; }

    QSize sizeHint() const override { return QSize(160, 110); }
    QSize minimumSizeHint() const override { return QSize(120, 80); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Mode m_Mode;
    CQarnBrushProperty m_Brush;
    CQarnPenProperty m_Pen;
};
