#pragma once
// Drop-down lists that stand for stored numbers: item i shows value values[i]. A stored value
// that is none of them shows no item and is written back unchanged.

#include <QList>

class QComboBox;

namespace Qarn {

// Shows the item of the value, or no item (-1) for a value not offered.
void SelectValue(QComboBox* box, const QList<int>& values, int value);
// The value of the item shown, or `keep` when no item is shown.
int SelectedValue(const QComboBox* box, const QList<int>& values, int keep);

}  // namespace Qarn
