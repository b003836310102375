#pragma once
// The "Properties" sheet of the text tools: one text page with the text of a component, its
// font, colour and alignment. The page edits a copy; after OK the caller takes the edited text
// and records the change, so Cancel leaves the component untouched.

#include "controls/appearance.h"
#include "controls/dialog.h"

class CQarnComponent;
class CQarnTextPage;
class CQarnTextProperty;
class QTabWidget;

class CQarnTextSheet : public CQarnDialog {
    Q_OBJECT

public:
    CQarnTextSheet(const CQarnComponent& component, QWidget* parent = nullptr);
    ~CQarnTextSheet() override;

    CQarnTextPage* GetTextPage() const { return m_pText; }
    // After OK: the edited text (null when the page was told not to show one).
    const CQarnTextProperty* GetText() const;
    // After OK: whether the text shows.
    bool IsTextShown() const;

protected:
    bool ValidateMore() override;
    void OnAccepted() override;

private:
    CQarnAppearance m_Appearance;
    QTabWidget* m_pTabs = nullptr;
    CQarnTextPage* m_pText = nullptr;
};
