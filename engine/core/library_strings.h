#pragma once
// The library's built-in texts by resource id, in one place so translations can mirror it.

class CResourceModule;

namespace Qarn {

void LoadLibraryStrings(CResourceModule& module);

}  // namespace Qarn
