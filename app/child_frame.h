#pragma once
// One window on a drawing: the drawing view framed by its rulers, inside the main window's
// multi-document area. Its title names the document, the window's number when the document
// has several, and a modified mark. Whether it may close is the main window's question (the
// last window of a modified document asks to save it).

#include <QWidget>
#include <functional>

class CMyQarnDoc;
class CMyQarnView;
class CQarnRulerFrame;

class CQarnChildFrame : public QWidget {
    Q_OBJECT

public:
    using CloseGuard = std::function<bool(CQarnChildFrame*)>;

    explicit CQarnChildFrame(CMyQarnDoc* doc, QWidget* parent = nullptr);
    ~CQarnChildFrame() override;

    CMyQarnDoc* GetDocument() const { return m_pDoc; }
    CMyQarnView* GetView() const { return m_pView; }
    CQarnRulerFrame* GetRulerFrame() const { return m_pRulers; }
    void ShowRulers(bool show);

    // The title: the document's name, ":n" when it has several windows (n > 0), and the
    // modified mark.
    void UpdateTitle(int windowNumber);
    // Asked before the window closes; closing goes on only when it answers true.
    void SetCloseGuard(CloseGuard guard) { m_Guard = std::move(guard); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CMyQarnDoc* m_pDoc;
    CMyQarnView* m_pView;
    CQarnRulerFrame* m_pRulers;
    CloseGuard m_Guard;
};
