#pragma once
// The choices a well or picker offers: how many, in how many columns, how each one is drawn
// and what it is called (for its tooltip and for assistive technology). Samples are drawn
// with a painter in device-independent pixels, so they stay sharp at any device pixel ratio.

#include <QColor>
#include <QRectF>
#include <QSize>
#include <QString>

class QPainter;

class CQarnWellItems {
public:
    virtual ~CQarnWellItems() = default;

    virtual int GetCount() const = 0;
    virtual int GetColumns() const = 0;
    // The room one sample takes, in device-independent pixels.
    virtual QSize GetCellSize() const = 0;
    // Draws sample `index` into the cell (already inside the cell's frame).
    virtual void PaintItem(QPainter& painter, const QRectF& cell, int index) const = 0;
    virtual QString GetItemName(int index) const = 0;
    // Whether a well stretches the sample across its field (lines) or keeps its size.
    virtual bool StretchesInWell() const { return false; }
};

namespace Qarn {

// The colour samples are drawn in: the text colour the painter was given.
QColor SampleInk(const QPainter& painter);

}  // namespace Qarn
