#pragma once
// The "Text" page: whether the text shows, the text itself, its font, colour, alignment and
// writing direction. A component without text gains one when "Show the text" is ticked.

#include "controls/property_page.h"

class CQarnColorWell;
class CQarnFontFields;
class QCheckBox;
class QComboBox;
class QPlainTextEdit;

class CQarnTextPage : public CQarnPropertyPage {
    Q_OBJECT

public:
    explicit CQarnTextPage(QWidget* parent = nullptr);

    QString GetTitle() const override { return tr("&Text"); }
    void Load(const CQarnAppearance& appearance) override;
    void Store(CQarnAppearance& appearance) const override;
    QList<CQarnNumberEdit*> GetCheckedFields() const override;
    QString CheckValues(QWidget** field) const override;

    QCheckBox* GetShowBox() const { return m_pShow; }
    QPlainTextEdit* GetTextEdit() const { return m_pText; }
    CQarnFontFields* GetFontFields() const { return m_pFont; }
    CQarnColorWell* GetColorWell() const { return m_pColor; }
    QComboBox* GetHorizontalBox() const { return m_pHorizontal; }
    QComboBox* GetVerticalBox() const { return m_pVertical; }
    QCheckBox* GetRightToLeftBox() const { return m_pRightToLeft; }
    QCheckBox* GetTopToBottomBox() const { return m_pTopToBottom; }

private:
    void EnableFields();

    bool m_bHadText = false;
    QCheckBox* m_pShow = nullptr;
    QWidget* m_pFields = nullptr;
    QPlainTextEdit* m_pText = nullptr;
    CQarnFontFields* m_pFont = nullptr;
    CQarnColorWell* m_pColor = nullptr;
    QComboBox* m_pHorizontal = nullptr;
    QComboBox* m_pVertical = nullptr;
    QCheckBox* m_pRightToLeft = nullptr;
    QCheckBox* m_pTopToBottom = nullptr;
};
