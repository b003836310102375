#pragma once
// The "Tip" page: the tooltip text of the component (with the tip mark-up), whether the tip
// shows the component's name, and a preview of the tip.

#include "controls/property_page.h"

class QCheckBox;
class QLabel;
class QPlainTextEdit;

class CQarnTipPage : public CQarnPropertyPage {
    Q_OBJECT

public:
    explicit CQarnTipPage(QWidget* parent = nullptr);

    QString GetTitle() const override { return tr("T&ip"); }
    void Load(const CQarnAppearance& appearance) override;
    // An empty tip text removes the tip.
    void Store(CQarnAppearance& appearance) const override;

    QPlainTextEdit* GetTextEdit() const { return m_pText; }
    QCheckBox* GetUseNameBox() const { return m_pUseName; }
    QLabel* GetPreview() const { return m_pPreview; }

private:
    void UpdatePreview();

    bool m_bHadTip = false;
    QPlainTextEdit* m_pText = nullptr;
    QCheckBox* m_pUseName = nullptr;
    QLabel* m_pPreview = nullptr;
};
