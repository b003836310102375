#pragma once
// The Visual Effect pane: the properties of the selection, edited in place: the line (shown,
// colour, width, dash, caps, joins, opacity), the fill (shown, kind, colours, hatch, gradient
// direction, picture, opacity), the arrow heads, the shadow (shown, colour, offset, opacity)
// and the text (font, size, colour). The first selected component shows its values; a change
// applies to every selected component as one undoable step.

#include <QHash>

#include "panes/pane.h"
#include "platform/win_types.h"

class CVariant;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QFontComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QToolButton;

class CVisualEffectPane : public CPane {
    Q_OBJECT

public:
    explicit CVisualEffectPane(QWidget* parent = nullptr);

    // Sets the attribute (a property id) on every selected component as one action; false
    // when nothing is selected or the view refuses an edit now.
    bool ApplyValue(UINT propertyId, const CVariant& value);
    // The fill's kind (a BrushType) for the whole selection as one action.
    bool ApplyBrushType(int type);
    // The arrow head (index of the arrow commands) at the start or end of the selection.
    bool ApplyArrow(bool start, int index);
    // A colour attribute (203 line, 302/303 fill, 101 shadow, 501 text), alpha kept.
    bool ApplyColor(UINT propertyId, const QColor& color);

    // The controls, by the property id they edit (tests drive them).
    QWidget* Control(UINT propertyId) const { return m_Controls.value(propertyId); }
    QComboBox* GetBrushKindBox() const { return m_pBrushKind; }
    QComboBox* GetStartArrowBox() const { return m_pStartArrow; }
    QComboBox* GetEndArrowBox() const { return m_pEndArrow; }
    QLabel* GetSummary() const { return m_pSummary; }

protected:
    void OnChanges(unsigned changes) override;

private:
    void Build();
    QCheckBox* Check(UINT id, const QString& text, const QString& tip);
    QToolButton* ColorButton(UINT id, const QString& name);
    QComboBox* Choice(UINT id, const QStringList& items, const QString& name);
    QSpinBox* Percent(UINT id, const QString& name);
    QSpinBox* Whole(UINT id, int low, int high, const QString& name, const QString& suffix);
    void ShowValues();
    void PickColor(UINT id);
    void PickPicture();

    QHash<UINT, QWidget*> m_Controls;
    QLabel* m_pSummary = nullptr;
    QWidget* m_pBody = nullptr;
    QDoubleSpinBox* m_pLineWidth = nullptr;
    QComboBox* m_pBrushKind = nullptr;
    QComboBox* m_pStartArrow = nullptr;
    QComboBox* m_pEndArrow = nullptr;
    QFontComboBox* m_pFont = nullptr;
    QPushButton* m_pPicture = nullptr;
    bool m_bShowing = false;
};
