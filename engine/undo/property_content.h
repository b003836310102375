#pragma once
// Copying the content of one property into another of the same class in place, so that a
// property keeps its identity (and everyone who shares it sees the change) while an action
// takes its content back.

class CQarnProperty;

namespace Qarn {

// False, and nothing copied, when the two are not of the same class or the class is unknown.
bool CopyPropertyContent(CQarnProperty* target, const CQarnProperty* source);

}  // namespace Qarn
