#pragma once
// Makes every action recorded on a document while the guard lives one undo step: it opens a
// compound action in its constructor and closes it in its destructor. Guards nest; only the
// outermost one records the step, and a step of no actions is not recorded at all.
//
//     {
//         CUndoMacroGuard guard(view, kAlignLeft);
//         for (CQarnComponent* c : selection) { ...record one move action per component... }
//     }   // one step: "align"

class CQarnDoc;
class CQarnEditView;

class CUndoMacroGuard {
public:
    CUndoMacroGuard(CQarnEditView* view, unsigned int id);
    CUndoMacroGuard(CQarnDoc* target, unsigned int id);
    CUndoMacroGuard(const CUndoMacroGuard&) = delete;
    CUndoMacroGuard& operator=(const CUndoMacroGuard&) = delete;
    ~CUndoMacroGuard();

private:
    CQarnDoc* m_pTarget;
};
