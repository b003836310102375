#include "controls/choice_values.h"

#include <QComboBox>

namespace Qarn {

void SelectValue(QComboBox* box, const QList<int>& values, int value) {
    box->setCurrentIndex(int(values.indexOf(value)));
}

int SelectedValue(const QComboBox* box, const QList<int>& values, int keep) {
    const int index = box->currentIndex();
    return (index >= 0 && index < values.size()) ? values[index] : keep;
}

}  // namespace Qarn
