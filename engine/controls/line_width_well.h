#pragma once
// The line-width well: the widths of the line-width commands; any other width shows as its
// number.

#include <QLocale>

#include "controls/item_well.h"

class CQarnLineWidthWell : public CQarnItemWell {
    Q_OBJECT

public:
    explicit CQarnLineWidthWell(QWidget* parent = nullptr, const QString& name = tr("Line width"));

    void SetLineWidth(float width);
    // The width chosen; the one set when it is not one of the list.
    float GetLineWidth() const;

private:
    float m_fOther = 1.0f;
};
