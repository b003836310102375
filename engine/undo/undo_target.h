#pragma once
// What keeps an undo history: in practice each open document. The undo manager keeps one pair
// of stacks per target and tells the target after every change of them.

struct UMNotificationData;

class CUndoTarget {
public:
    CUndoTarget() = default;
    CUndoTarget(const CUndoTarget&) = delete;
    CUndoTarget& operator=(const CUndoTarget&) = delete;
    virtual ~CUndoTarget() = default;
};
