#pragma once
// What the undo manager tells a target after every change of its stacks.

class CUndoManager;
class CUndoTarget;

struct UMNotificationData {
    CUndoManager* manager;
    // UM_Do, UM_Undo or UM_Redo.
    unsigned int code;
    // How many actions the operation moved (1 for a new action).
    long count;
    // True when the target now differs from its last saved state.
    bool modified;
};

using UMNotifyFn = void (*)(CUndoTarget* target, UMNotificationData& data);
