#pragma once
// "Page Setup": the size of the current page (a standard paper in either orientation, or any
// size) and the margins of the document, in inches on screen and hundredths of an inch in the
// document. The sheet returns the values; Apply sets them, and the caller records the change.

#include "controls/dialog.h"
#include "platform/cpoint.h"
#include "platform/crect.h"

class CQarnCanvas;
class CQarnDoc;
class CQarnNumberEdit;
class QComboBox;
class QRadioButton;
class QTabWidget;

class CQarnPageSetupSheet : public CQarnDialog {
    Q_OBJECT

public:
    struct Values {
        // Page size in document units.
        CSize pageSize;
        // Margins in document units (left, top, right, bottom).
        CRect margins;
    };

    CQarnPageSetupSheet(const CQarnDoc& document, QWidget* parent = nullptr);

    Values GetValues() const;
    // Sizes the current page and sets the margins; false when both were as they are.
    static bool Apply(CQarnDoc& document, const Values& values);

    QTabWidget* GetTabs() const { return m_pTabs; }
    QComboBox* GetPaperBox() const { return m_pPaper; }
    QRadioButton* GetPortraitButton() const { return m_pPortrait; }
    QRadioButton* GetLandscapeButton() const { return m_pLandscape; }
    CQarnNumberEdit* GetWidthEdit() const { return m_pWidth; }
    CQarnNumberEdit* GetHeightEdit() const { return m_pHeight; }
    CQarnNumberEdit* GetMarginEdit(int side) const { return m_pMargins[side]; }

protected:
    bool ValidateMore() override;

private:
    // A paper or orientation was chosen: the size fields follow.
    void ShowPaper();
    // The size was typed: the paper and orientation that fit it show.
    void FindPaper();
    static int ToUnits(double inches);

    Values m_Loaded;
    QTabWidget* m_pTabs = nullptr;
    QComboBox* m_pPaper = nullptr;
    QRadioButton* m_pPortrait = nullptr;
    QRadioButton* m_pLandscape = nullptr;
    CQarnNumberEdit* m_pWidth = nullptr;
    CQarnNumberEdit* m_pHeight = nullptr;
    CQarnNumberEdit* m_pMargins[4] = {};
};
