#include "core/library_init.h"

#include "core/library_strings.h"
#include "platform/resource_module.h"
#include "undo/undo_manager.h"

namespace {

struct LibraryState {
    CResourceModule own{QStringLiteral("qarn10U")};
    CResourceModule* chosen = nullptr;
    bool initialized = false;
};

LibraryState& State() {
    static LibraryState state;
    return state;
}

}  // namespace

void QarnDllInitialize() {
    LibraryState& state = State();
    // One undo manager serves every document of every view.
    if (gUndoManager == nullptr) {
        gUndoManager = new CUndoManager();
    }
    if (state.initialized) {
        return;
    }
    // The runtime classes register themselves when the library is loaded; what remains is the
    // library's resource module with its texts.
    Qarn::LoadLibraryStrings(state.own);
    state.initialized = true;
}

bool QarnDllIsInitialized() {
    return State().initialized;
}

void QARNSetResourceHandle(CResourceModule* module) {
    State().chosen = module;
}

CResourceModule* QarnGetResourceHandle() {
    LibraryState& state = State();
    return state.chosen != nullptr ? state.chosen : &state.own;
}

CResourceModule* QarnGetOwnResourceModule() {
    return &State().own;
}

void QarnDllUninitialize() {
    delete gUndoManager;
    gUndoManager = nullptr;
}
