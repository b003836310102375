#pragma once
// The compound-line well: one line, or parallel lines inside the stroke.

#include "controls/item_well.h"

class CQarnCompoundLineWell : public CQarnItemWell {
    Q_OBJECT

public:
    explicit CQarnCompoundLineWell(QWidget* parent = nullptr,
                                   const QString& name = tr("Compound line"));

    // The pen keeps its line style modulo 5, as the well shows it.
    void SetLineStyle(unsigned long style);
    unsigned long GetLineStyle() const;
};
