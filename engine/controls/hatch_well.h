#pragma once
// The hatch well: the 53 patterns drawn in the colours of the fill.

#include <QColor>
#include <memory>

#include "controls/item_well.h"
#include "platform/win_types.h"

class CQarnHatchItems;

class CQarnHatchWell : public CQarnItemWell {
    Q_OBJECT

public:
    explicit CQarnHatchWell(QWidget* parent = nullptr, const QString& name = tr("Hatch pattern"));

    // A pattern out of the table shows as "None".
    void SetHatchStyle(WORD style);
    WORD GetHatchStyle() const;
    // Draws the patterns in the fill's colours.
    void SetColors(const QColor& foreground, const QColor& background);

private:
    CQarnHatchWell(std::shared_ptr<CQarnHatchItems> items, QWidget* parent, const QString& name);

    std::shared_ptr<CQarnHatchItems> m_pHatches;
    WORD m_nOther = 0;
};
