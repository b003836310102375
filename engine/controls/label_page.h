#pragma once
// The "Label" page: whether the component has a label, its text, font, colour, alignment and
// its place beside the component.

#include "controls/property_page.h"

class CQarnColorWell;
class CQarnFontFields;
class CQarnLabelPosWell;
class QCheckBox;
class QComboBox;
class QPlainTextEdit;

class CQarnLabelPage : public CQarnPropertyPage {
    Q_OBJECT

public:
    explicit CQarnLabelPage(QWidget* parent = nullptr);

    QString GetTitle() const override { return tr("La&bel"); }
    void Load(const CQarnAppearance& appearance) override;
    void Store(CQarnAppearance& appearance) const override;
    QList<CQarnNumberEdit*> GetCheckedFields() const override;
    QString CheckValues(QWidget** field) const override;

    QCheckBox* GetShowBox() const { return m_pShow; }
    QPlainTextEdit* GetTextEdit() const { return m_pText; }
    CQarnFontFields* GetFontFields() const { return m_pFont; }
    CQarnColorWell* GetColorWell() const { return m_pColor; }
    CQarnLabelPosWell* GetPositionWell() const { return m_pPosition; }
    QComboBox* GetAlignmentBox() const { return m_pAlignment; }

private:
    void EnableFields();

    bool m_bHadLabel = false;
    int m_nLoadedPosition = -1;
    QCheckBox* m_pShow = nullptr;
    QWidget* m_pFields = nullptr;
    QPlainTextEdit* m_pText = nullptr;
    CQarnFontFields* m_pFont = nullptr;
    CQarnColorWell* m_pColor = nullptr;
    CQarnLabelPosWell* m_pPosition = nullptr;
    QComboBox* m_pAlignment = nullptr;
};
