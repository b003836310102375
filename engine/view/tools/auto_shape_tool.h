#pragma once
// Drawing a symbol: an instance of an auto-shape template. The press places a tiny instance in
// the template's proportions, the drag sizes it, a click gives the template's own size. The
// document keeps a copy of the template, so the drawing opens where the symbol is not
// installed.
//
// The symbol is the one the current command names (symbol commands count the installed
// templates from 2124), else the one set with SetTemplate.

#include "view/tools/shape_tool.h"

class CQarnAutoShapeTempl;

class CAutoShapeTool : public CShapeTool {
    QARN_DECLARE_DYNAMIC(CAutoShapeTool)

public:
    CAutoShapeTool();

    void OnLButtonUp(CQarnView* view, UINT flags, const CPoint& point) override;
    bool Serves(UINT id) const override;

    // Looks the template up among the installed ones; false (and none set) when there is
    // none of that id.
    bool SetTemplate(UINT templateId);
    UINT GetTemplateID() const { return m_nTemplateID; }
    // The template the tool draws now: the current symbol command's, else the one set.
    CQarnAutoShapeTempl* CurrentTemplate() const;

    static constexpr UINT kAutoShapeToolID = 18233;
    static constexpr UINT kFirstSymbolCommand = 2124;
    static constexpr UINT kLastSymbolCommand = 3124;

protected:
    std::unique_ptr<CQarnComponent> CreateAt(CQarnView* view, PointF p) override;
    RectF ClickFrame(CQarnComponent* component, PointF p) const override;
    RectF LeastFrame(CQarnComponent* component, const RectF& frame) const override;

private:
    // The template's own width and height (never zero).
    static SizeF NaturalSize(const CQarnAutoShapeTempl* templ);

    UINT m_nTemplateID = 0;
    CQarnAutoShapeTempl* m_pTemplate = nullptr;
};
