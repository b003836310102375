#include "core/template_registry.h"

#include <QList>

namespace Qarn {

namespace {

QList<CQarnTemplateList*>& Lists() {
    static QList<CQarnTemplateList*> lists;
    return lists;
}

quint64& Generation() {
    static quint64 generation = 0;
    return generation;
}

}  // namespace

void AddASTemplateList(CQarnTemplateList* list) {
    Lists().append(list);
    NoteTemplatesChanged();
}

CQarnTemplateList* GetASTemplateList(int i) {
    return Lists().value(i, nullptr);
}

int GetASTemplateListCount() {
    return int(Lists().size());
}

CQarnAutoShapeTempl* FindASTemplate(UINT id) {
    for (CQarnTemplateList* list : Lists()) {
        if (list == nullptr) {
            continue;
        }
        for (CQarnAutoShapeTempl* t : *list) {
            if (t != nullptr && t->GetTemplateID() == id) {
                return t;
            }
        }
    }
    return nullptr;
}

UINT FindASID(UINT n) {
    UINT remaining = n;
    for (CQarnTemplateList* list : Lists()) {
        if (list == nullptr) {
            continue;
        }
        if (remaining < UINT(list->size())) {
            return list->at(qsizetype(remaining))->GetTemplateID();
        }
        remaining -= UINT(list->size());
    }
    return UINT(-1);
}

void ClearASTListEntry() {
    Lists().clear();
    NoteTemplatesChanged();
}

quint64 GetTemplateGeneration() {
    return Generation();
}

void NoteTemplatesChanged() {
    ++Generation();
}

}  // namespace Qarn
