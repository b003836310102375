#pragma once
// The dash-style well: the five dash styles of a pen drawn as lines.

#include "controls/item_well.h"

class CQarnLineStyleWell : public CQarnItemWell {
    Q_OBJECT

public:
    explicit CQarnLineStyleWell(QWidget* parent = nullptr, const QString& name = tr("Dash style"));

    // A style out of the five (a custom pattern) shows as "Custom".
    void SetDashStyle(unsigned short style);
    // The style chosen; the one set when none of the five is chosen.
    unsigned short GetDashStyle() const;

private:
    unsigned short m_nOther = 0;
};
