#pragma once
// A drawing view framed by its two rulers, which follow the view's zoom, scrolling and the
// pointer (the view tells its frame where the pointer is with QRN_MOUSEMOVE).

#include <QWidget>

class CQarnBaseView;
class CQarnRulerBar;

class CQarnRulerFrame : public QWidget {
    Q_OBJECT

public:
    // Takes the view as its child.
    explicit CQarnRulerFrame(CQarnBaseView* view, QWidget* parent = nullptr);

    CQarnBaseView* GetView() const { return m_pView; }
    CQarnRulerBar* GetHorizontalRuler() const { return m_pHorizontal; }
    CQarnRulerBar* GetVerticalRuler() const { return m_pVertical; }
    void ShowRulers(bool show);
    // Brings both rulers up to date with the view.
    void UpdateRulers();

protected:
    bool event(QEvent* event) override;

private:
    CQarnBaseView* m_pView;
    CQarnRulerBar* m_pHorizontal;
    CQarnRulerBar* m_pVertical;
    QPoint m_Pointer;
};
