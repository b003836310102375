#pragma once
// The shadow well: the sixteen shadow placements drawn.

#include "controls/item_well.h"
#include "platform/win_types.h"

class CQarnShadowWell : public CQarnItemWell {
    Q_OBJECT

public:
    explicit CQarnShadowWell(QWidget* parent = nullptr, const QString& name = tr("Shadow style"));

    // A style out of the sixteen shows as "Other".
    void SetShadowStyle(DWORD style);
    DWORD GetShadowStyle() const;

private:
    DWORD m_dwOther = 0;
};
