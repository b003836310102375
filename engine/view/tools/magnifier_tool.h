#pragma once
// Looking closer without zooming: while the button is held a lens over the pointer shows the
// drawing around it four times larger; it follows the pointer and goes with the release.

#include <QPointer>

#include "view/tool.h"

class CMagnifierLens;

class CMagnifierTool : public CQarnTool {
    QARN_DECLARE_DYNAMIC(CMagnifierTool)

public:
    CMagnifierTool();
    ~CMagnifierTool() override;

    void OnLButtonDown(CQarnView* view, UINT flags, const CPoint& point) override;
    void OnMouseMove(CQarnView* view, UINT flags, const CPoint& point) override;
    void OnLButtonUp(CQarnView* view, UINT flags, const CPoint& point) override;
    void OnRButtonUp(CQarnView* view, UINT flags, const CPoint& point) override;
    bool OnEscape(CQarnView* view) override;
    bool IsBusy() const override;

    // The lens while it shows, else null.
    CMagnifierLens* GetLens() const;

    static constexpr UINT kMagnifierToolID = 19010;
    static constexpr int kMagnification = 4;
    static constexpr int kLensWidth = 200;
    static constexpr int kLensHeight = 150;

private:
    void CloseLens();

    QPointer<CMagnifierLens> m_pLens;
    CPoint m_ptLast;
};
