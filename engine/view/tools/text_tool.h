#pragma once
// Writing text. A click on empty space (or on a component that is not the one selected) opens
// the "Properties" sheet for a new text box there; a click on the one selected component edits
// its text, giving it one when it has none. What the sheet confirms is one undo step: the new
// box, the attached text, or the changed text. Cancel changes nothing.

#include "platform/point_f.h"
#include "view/tool.h"

class CQarnProperty;

class CTextTool : public CQarnTool {
    QARN_DECLARE_DYNAMIC(CTextTool)

public:
    explicit CTextTool(UINT id);

    void OnLButtonDown(CQarnView* view, UINT flags, const CPoint& point) override;
    void OnMouseMove(CQarnView* view, UINT flags, const CPoint& point) override;
    void OnLButtonUp(CQarnView* view, UINT flags, const CPoint& point) override;
    bool OnEscape(CQarnView* view) override;
    bool IsBusy() const override { return m_bPressed; }

    static constexpr UINT kTextToolID = 18073;
    static constexpr UINT kRichTextToolID = 18065;
    // The box a new text is measured in before it is fitted to the text.
    static constexpr float kNewBoxSize = 500.0f;

private:
    // A text property for a component that has none: the default one of the tool's kind when
    // there is one, else a new one.
    CQarnProperty* MakeTextProperty() const;
    void WriteText(CQarnView* view, PointF p);
    void NewText(CQarnView* view, PointF p);
    void AttachText(CQarnView* view, CQarnComponent* component);
    void EditText(CQarnView* view, CQarnComponent* component);

    bool m_bPressed = false;
    PointF m_ptPress;
};
