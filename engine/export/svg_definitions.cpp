#include "export/svg_definitions.h"

void CSvgDefinitions::Clear() {
    ids_.clear();
    registry_.clear();
}

bool CSvgDefinitions::Add(const QString& id) {
    if (ids_.contains(id)) {
        return false;
    }
    ids_.insert(id);
    registry_ += id;
    return true;
}
