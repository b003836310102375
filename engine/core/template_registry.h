#pragma once
// The installed symbols: template lists in the order they were registered. The registry only
// refers to the lists; they belong to whoever registered them (the symbol panel).

#include <QtGlobal>

#include "platform/win_types.h"
#include "shapes/auto_shape_templ.h"

namespace Qarn {

void AddASTemplateList(CQarnTemplateList* list);
// List i (0-based); callers stay below GetASTemplateListCount().
CQarnTemplateList* GetASTemplateList(int i);
int GetASTemplateListCount();
// The first template with that template id, searching the lists in order, or null.
CQarnAutoShapeTempl* FindASTemplate(UINT id);
// The template id of the n-th template (0-based) counted through all lists, or (UINT)-1.
UINT FindASID(UINT n);
// Forgets every list without touching the lists themselves.
void ClearASTListEntry();

// A number that changes whenever a template may have come, gone or changed: a list added or
// forgotten, a template read, copied, given a component or deleted, a document's copies
// changed. Instances keep the template they draw with only as long as this number stays.
quint64 GetTemplateGeneration();
void NoteTemplatesChanged();

}  // namespace Qarn
