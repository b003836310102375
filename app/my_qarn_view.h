#pragma once
// The drawing application's view: the library's drawing view in a child frame. It tells the
// main window when it goes, so that the window's commands stop reaching it.

#include "view/qarn_view.h"

class CMyQarnDoc;

class CMyQarnView : public CQarnView {
    Q_OBJECT

public:
    explicit CMyQarnView(QWidget* parent = nullptr);
    ~CMyQarnView() override;

    CMyQarnDoc* GetMyDocument() const;

Q_SIGNALS:
    // Emitted first thing in the destructor, while the view can still be asked questions.
    void Closing(CMyQarnView* view);

protected:
    // Escape belongs to the view while it has the focus (it cancels a drag or the selection)
    // rather than to the window's shortcut for the selection tool.
    bool event(QEvent* event) override;
};
