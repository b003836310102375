#pragma once
// The "Line & Fill" property sheet of one component: pages for its line, fill, arrow heads
// (lines only), text, label, tip and shadow. The pages edit a copy (CQarnAppearance); OK
// checks every field, and the caller writes the copy back (Edit does both), so Cancel leaves
// the component untouched. The caller records the change as an action.

#include <QList>

#include "controls/appearance.h"
#include "controls/dialog.h"

class CQarnArrowPage;
class CQarnComponent;
class CQarnFillPage;
class CQarnLabelPage;
class CQarnLinePage;
class CQarnPropertyPage;
class CQarnShadowPage;
class CQarnTextPage;
class CQarnTipPage;
class QTabWidget;

class CQarnPropertySheet : public CQarnDialog {
    Q_OBJECT

public:
    CQarnPropertySheet(const CQarnComponent& component, QWidget* parent = nullptr);
    ~CQarnPropertySheet() override;

    // Shows the sheet modally; on OK writes the edits into the component. True when the user
    // confirmed (whether or not anything differed).
    static bool Edit(CQarnComponent& component, QWidget* parent = nullptr);

    // After OK: the edited copy.
    const CQarnAppearance& GetAppearance() const { return m_Appearance; }
    // Writes the edited copy into the component; false when nothing differed.
    bool ApplyTo(CQarnComponent& component) const { return m_Appearance.ApplyTo(component); }

    // Brings a page to the front (the text tool opens on the text page).
    void ShowPage(CQarnPropertyPage* page);
    QTabWidget* GetTabs() const { return m_pTabs; }
    CQarnLinePage* GetLinePage() const { return m_pLine; }
    CQarnFillPage* GetFillPage() const { return m_pFill; }
    // Null for a component without arrow heads.
    CQarnArrowPage* GetArrowPage() const { return m_pArrows; }
    CQarnTextPage* GetTextPage() const { return m_pText; }
    CQarnLabelPage* GetLabelPage() const { return m_pLabel; }
    CQarnTipPage* GetTipPage() const { return m_pTip; }
    CQarnShadowPage* GetShadowPage() const { return m_pShadow; }

protected:
    bool ValidateMore() override;
    // The pages write their fields into the copy.
    void OnAccepted() override;

private:
    void AddPage(CQarnPropertyPage* page);

    CQarnAppearance m_Appearance;
    QTabWidget* m_pTabs = nullptr;
    QList<CQarnPropertyPage*> m_Pages;
    CQarnLinePage* m_pLine = nullptr;
    CQarnFillPage* m_pFill = nullptr;
    CQarnArrowPage* m_pArrows = nullptr;
    CQarnTextPage* m_pText = nullptr;
    CQarnLabelPage* m_pLabel = nullptr;
    CQarnTipPage* m_pTip = nullptr;
    CQarnShadowPage* m_pShadow = nullptr;
};
