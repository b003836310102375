#pragma once
// The lens of the magnifier tool: a bordered window over the view that shows the drawing
// around a point enlarged.

#include <QImage>
#include <QWidget>

class CQarnView;

class CMagnifierLens : public QWidget {
public:
    CMagnifierLens(CQarnView* view, int magnification, const QSize& size);

    // Centres the lens on the client point and shows the drawing around it.
    void CentreOn(const QPoint& client);
    int GetMagnification() const { return m_nMagnification; }
    // What the lens shows now (the drawing around the point, not yet enlarged).
    const QImage& GetSource() const { return m_Source; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CQarnView* m_pView;
    int m_nMagnification;
    QImage m_Source;
};
