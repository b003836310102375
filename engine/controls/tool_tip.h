#pragma once
// The rich tooltip a view shows over a component that carries a tip: its name, its tip text
// with the tip mark-up (controls/tip_markup.h) and, when configured, its position. It follows
// the pointer, stays on the screen and goes after a while or when the pointer leaves the
// component.

#include <QLabel>
#include <QTimer>

class CQarnComponent;
class CCustomConfig;

class CQarnToolTip : public QLabel {
    Q_OBJECT

public:
    // How long a tip stays while the pointer rests, in milliseconds.
    static constexpr int kShowTime = 10000;

    explicit CQarnToolTip(QWidget* parent = nullptr);

    // Shows the component's tip near the global point; hides the tip when the component has
    // none to show (or is null). The same component keeps the tip where it is.
    void ShowFor(CQarnComponent* component, const QPoint& globalPos, const CCustomConfig& config);
    // Shows rich text near the global point (the tip of something else than a component).
    void ShowText(const QString& html, const QPoint& globalPos);
    void HideTip();

    CQarnComponent* GetComponent() const { return m_pComponent; }

private:
    void PlaceNear(const QPoint& globalPos);

    CQarnComponent* m_pComponent = nullptr;
    QTimer m_HideTimer;
};
