#pragma once
// A docking pane of the main window: it shows something of the active drawing view (its
// document, page, selection) and is told what changed. A hidden pane does no work; it catches
// up when it is shown.

#include <QPointer>
#include <QWidget>

class CQarnView;

class CPane : public QWidget {
    Q_OBJECT

public:
    // What changed since the pane was last told.
    enum Change : unsigned {
        ViewChanged = 1,       // another view is active (or none)
        SelectionChanged = 2,  // the selection or its properties
        DrawingChanged = 4,    // components of the document
        PagesChanged = 8,      // pages added, removed, moved, or another current
        LayersChanged = 16,    // layers of the current page
        ZoomChanged = 32,      // the view's zoom or scrolling
        AllChanges = 0xFF,
    };

    explicit CPane(QWidget* parent = nullptr);

    void SetView(CQarnView* view);
    CQarnView* GetView() const;
    // Brings the pane up to date now when it is shown, else when it is shown next.
    void Notify(unsigned changes);

protected:
    // The pane refreshes what the changes touch; the view may be null.
    virtual void OnChanges(unsigned changes) = 0;
    void showEvent(QShowEvent* event) override;

private:
    QPointer<CQarnView> m_pView;
    unsigned m_nPending = AllChanges;
};
