#pragma once
// The library's default properties: the pen, brush, arrow and text that new components get
// clones of. The list owns its entries; it is filled once at start-up and cleared at the end.

#include "core/component_list.h"
#include "platform/win_types.h"

#include <QList>

class CQarnComponent;
class CQarnProperty;

namespace Qarn {

// The first default of that kind, or null.
CQarnProperty* GetDefaultProperty(UINT kind);
// Appends the property; the list takes ownership (and one reference).
void AddDefaultProperty(CQarnProperty* property);
// Releases and unlinks the first default of that kind; nothing happens when there is none.
void RemoveDefaultProperty(UINT kind);
// Appends a new pen, brush, arrow and text default, in that order.
void CreateDefaultProperty();
// Releases every default (at program end).
void ClearDefaultProperty();
const QList<CQarnProperty*>& GetDefaultPropertyList();
// Makes the component's brush, pen and arrow the defaults, for each kind that both the
// component and the default list have.
void SetDefaultsFromComponent(const CQarnComponent* component);

}  // namespace Qarn
