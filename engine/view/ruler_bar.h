#pragma once
// A ruler along one side of a drawing view, in one of the seven ruler units: the printable
// part of the page as a white face between the margins, small and medium ticks, numbers at
// every large division, and a mark that follows the pointer.
//
// Lengths along the ruler are twips (1/1440 inch) from the page's edge; a twip becomes ruler
// pixels through the ruler's pixels per inch and zoom ratio, and ruler pixels become the
// widget's own pixels by the origin (where the page's edge lies in the widget).

#include <QFont>
#include <QString>
#include <QWidget>
#include <vector>

#include "core/unit.h"
#include "platform/cpoint.h"
#include "platform/crect.h"

class CQarnRulerBar : public QWidget {
    Q_OBJECT

public:
    enum Orientation { Horizontal, Vertical };
    static constexpr int kThickness = 17;
    static constexpr int kMargin = 2;
    // Where no pointer mark is drawn.
    static constexpr int kNoMarker = -100000;

    // One mark of the ruler: a tick 2 or 5 pixels long, or a number (length 0).
    struct Tick {
        int twips;
        int length;
        QString label;
    };

    explicit CQarnRulerBar(Orientation orientation, QWidget* parent = nullptr);

    Orientation GetOrientation() const { return m_nOrientation; }
    int GetUnits() const { return m_nUnit; }
    // Chooses one of the seven units (out of range: the first).
    void SetUnits(int unit);
    const CUnit& GetUnit() const;
    // Twips per unit of the ruler's unit, or of the unit given.
    int GetTPU(int unit = -1) const;
    // The abbreviation of a unit ("\"", "cm", "pt", "pi", "in", "inch", "inches").
    static QString UnitAbbreviation(int unit);

    // Pixels per inch of the drawing at ratio 1 (a document unit is 1/100 inch, one pixel).
    void SetPixelsPerInch(int x, int y);
    // The page's size and margins (document units), the zoom ratio, where the page's edge lies
    // in the widget, and the pointer (document units); repaints only what changed.
    void Update(const CSize& page, const CRect& margins, float zoom, int origin,
                const CPoint& pointer);
    float GetZoomRatio() const { return m_fZoom; }
    int GetOrigin() const { return m_nOrigin; }
    // The pointer's place along the ruler in twips, or kNoMarker.
    int GetMarker() const { return m_nMarker; }

    // Conversions along the ruler.
    int TwipsToClient(int twips) const;
    int ClientToTwips(int pixels) const;
    int TwipsToRuler(int twips) const;
    int RulerToTwips(int pixels) const;
    int ClientToRuler(int pixels) const { return pixels - m_nOrigin; }
    int RulerToClient(int pixels) const { return pixels + m_nOrigin; }

    // The ticks and numbers of a unit over a page of that length (twips) whose printable part
    // is `printable` twips long.
    static std::vector<Tick> ComputeTicks(const CUnit& unit, int pageLength, int printable);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int PixelsPerInch() const;
    int PageLength() const;
    int PrintLength() const;
    int MarginStart() const;
    void DrawFace(QPainter& painter) const;
    void DrawTickMarks(QPainter& painter) const;
    void DrawMarker(QPainter& painter) const;
    void DrawConnerSqaure(QPainter& painter) const;
    // A line across the bar at `along` from `from` to `to` across (ruler pixels).
    void Across(QPainter& painter, int along, int from, int to) const;
    void Along(QPainter& painter, int across, int from, int to) const;

    Orientation m_nOrientation;
    int m_nUnit = 0;
    float m_fZoom = 1.0f;
    int m_nOrigin = 0;
    CSize m_Page;
    CRect m_Margins;
    int m_nMarker = kNoMarker;
    int m_nPixelsX = 100;
    int m_nPixelsY = 100;
    QFont m_Font;
};
