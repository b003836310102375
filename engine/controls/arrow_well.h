#pragma once
// The arrow-head well of one end of a line: none and the eight heads drawn.

#include "controls/arrow_head_items.h"
#include "controls/item_well.h"

class CQarnArrowWell : public CQarnItemWell {
    Q_OBJECT

public:
    explicit CQarnArrowWell(CQarnArrowHeadItems::End end, QWidget* parent = nullptr);

    // A stored value that is no head shows as "Other" and is kept until a head is chosen.
    void SetArrowType(ArrowType type);
    ArrowType GetArrowType() const;

private:
    ArrowType m_Other = ArrowTypeNone;
};
