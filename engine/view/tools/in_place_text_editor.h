#pragma once
// Editing a component's text where it is drawn: an editor over the component's text box, in
// its font at the view's zoom. Ctrl+Enter or leaving the editor keeps the text (one undo step
// when it changed); Escape drops the edit. Enter starts a new line, as in the text itself.
// A turned component is edited upright over its centre.

#include <QPlainTextEdit>
#include <QString>

class CQarnComponent;
class CQarnView;

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

Q_SIGNALS:
    // Editing ended (kept or dropped); the view lets go of the editor.
    void Ended();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void End();

    CQarnView* m_pView;
    CQarnComponent* m_pComponent;
    QString m_strOriginal;
    bool m_bEnded = false;
};
