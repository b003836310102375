#pragma once
// Editing a component's text where it is drawn: an editor over the component's text box, in
// its font at the view's zoom. Ctrl+Enter or leaving the editor keeps the text (one undo step
// when it changed); Escape drops the edit. Enter starts a new line, as in the text itself.
// A turned component's editor is turned with it: it is shown through a small graphics view
// over the drawing that holds it at the component's angle.

#include <QPlainTextEdit>
#include <QPointer>
#include <QString>

class CQarnComponent;
class CQarnView;
class QGraphicsProxyWidget;
class QGraphicsView;

class CInPlaceTextEditor : public QPlainTextEdit {
    Q_OBJECT

public:
    CInPlaceTextEditor(CQarnView* view, CQarnComponent* component);

    CQarnComponent* GetComponent() const { return m_pComponent; }
    // Places the editor over the component as the view shows it now.
    void Place();
    // Keeps the text: records it when it differs from what the component had. Ends editing.
    void Commit();
    // Drops the edit. Ends editing.
    void Cancel();
    bool IsEnded() const { return m_bEnded; }
    // Gives the editor the keyboard (through its turned holder when it has one).
    void TakeFocus();
    // The angle the editor is shown at (degrees clockwise), 0 when upright.
    qreal GetShownAngle() const;

Q_SIGNALS:
    // Editing ended (kept or dropped); the view lets go of the editor.
    void Ended();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void End();
    // Puts the editor into a graphics view over the drawing, so that it can be turned.
    void HoldTurned();
    // The component's angle when it is turned enough to show.
    float TurnedAngle() const;

    CQarnView* m_pView;
    CQarnComponent* m_pComponent;
    QString m_strOriginal;
    QPointer<QGraphicsView> m_pHolder;
    QGraphicsProxyWidget* m_pProxy = nullptr;
    bool m_bEnded = false;
};
