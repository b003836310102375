#pragma once
// The drawing view proper: it shows the document's current page through a tile cache drawn
// from a spatial index of the page, converts between client pixels and document units, keeps
// the selection, selects by rectangle, ellipse or polygon, follows the document's changes and
// update hints, scrolls by keyboard and wheel, snaps points to the grid, and offers the zoom
// and grid dialogs. The commands view derives from it.

#include <QTimer>
#include <memory>
#include <vector>

#include "core/doc_listener.h"
#include "core/edit_view.h"
#include "platform/point_f.h"
#include "view/selection_list.h"
#include "view/spatial_index.h"
#include "view/tile_cache.h"
#include "view/tile_renderer.h"
#include "view/zoom_view.h"

class CQarnDoc;
class CQarnCanvas;
class CQarnComponent;
class QMimeData;

class CQarnBaseView : public CZoomView, public CQarnEditView, public CQarnDocListener {
    Q_OBJECT

public:
    // Selection modes of SelectWithinRect and SelectWithinElps (bits 0-3), and the flag that
    // limits the search to the current layer (any of bits 4-7).
    enum SelectMode { SelectInside = 0, SelectTouching = 1, SelectCentre = 2 };
    static constexpr int kCurrentLayerOnly = 0x10;

    explicit CQarnBaseView(QWidget* parent = nullptr);
    ~CQarnBaseView() override;

    // Shows the document (null: none). The view registers with it and hears its changes.
    void SetDocument(CQarnDoc* doc);
    CQarnDoc* GetDoc() const { return m_pDoc; }
    CQarnCanvas* GetShownCanvas() const;

    // CView.
    QObject* GetMessageTarget() override { return this; }
    void OnUpdate(CView* sender, LPARAM hint, CObject* hintObject) override;
    // CQarnEditView: posts QRN_SELECTIONCHANGE to the main window and refreshes the trackers.
    void OnSelectionChanged(CQarnComponent* component) override;

    // Client pixels and document units.
    void ClientToDoc(CPoint& point) const;
    void ClientToDoc(CRect& rect) const;
    void ClientToDoc(PointF& point) const;
    void DocToClient(CPoint& point) const;
    void DocToClient(CRect& rect) const;
    // The page size: the zoom sizes and a full repaint.
    void SetPageSize(const CSize& size);
    CSize GetPaperSize() const;
    // Where document point (0, 0) lies in the client area.
    CPoint GetOrigin() const;

    // Selection.
    const ComponentList& GetSelection() const override { return m_Selection.GetList(); }
    // Selects the component (adding to the selection when `add`, else replacing it). A
    // component on a hidden, unselectable or locked layer, or inside a group, is not selected.
    void Select(CQarnComponent* component, bool add = false) override;
    // Deselects the component (repainting it); null deselects everything.
    void Deselect(CQarnComponent* component) override;
    // Adds the components that may be selected to the selection at once (one repaint).
    void SelectMany(const std::vector<CQarnComponent*>& components);
    // Drops the component from the selection without repainting.
    void Remove(CQarnComponent* component);
    // 0 not selected, 1 selected, 2 the primary selection.
    int IsSelected(const CObject* object) const override;
    CQarnComponent* GetPrimarySelection() const { return m_Selection.GetPrimary(); }
    // Selects the components within a client rectangle (or the ellipse in it) by the mode;
    // returns the number of selected components.
    virtual int SelectWithinRect(const CRect& clientRect, int mode, bool add);
    virtual int SelectWithinElps(const CRect& clientRect, int mode, bool add);
    // What both share: the components of the shown page's layers (the current one only with
    // the flag) that qualify for the mode within the rectangle or the ellipse it bounds.
    int SelectWithin(const CRect& clientRect, int mode, bool add, bool ellipse);
    // Empties the selection unless `add`; the polygon test belongs to the lasso tool.
    virtual int SelectWithinPoly(const POINT* points, int count, int mode, bool add);
    // Repaints the component where it is and where it was when last repainted.
    void InvalObj(CQarnComponent* component);
    // Repaints the trackers of a component (its drawing is unchanged).
    void RepaintTrackers(const CQarnComponent* component);
    // Fits the components' bounds in the client area, or centres on them.
    virtual void ZoomToComponents(const ComponentList& components, bool fit);

    // Embedded objects shown or hidden, for every view.
    void OnViewShowObjects();
    static bool IsShowObjects();

    // The topmost component at a document point (through the spatial index).
    CQarnComponent* ObjectAt(const CPoint& docPoint);
    // The topmost component within `tolerance` document units of the point, as shown, on the
    // visible, selectable layers: a group when one of its members is hit.
    CQarnComponent* HitAt(const PointF& docPoint, float tolerance);
    // Document units that `pixels` client pixels cover at the current zoom.
    float PixelsToDoc(float pixels) const;
    const CQarnSpatialIndex& GetIndex() const { return m_Index; }
    bool IsRedrawPending() const { return m_bRedrawPending; }
    void SetRedrawPending(bool pending) { m_bRedrawPending = pending; }

    // Grid and snapping.
    bool IsSnapToGrid() const { return m_bSnap; }
    void SetSnapToGrid(bool snap) { m_bSnap = snap; }
    // The "Snap to Grid" command.
    void OnSnapToGrid() { m_bSnap = !m_bSnap; }
    // Moves a client point to the nearest grid point.
    void SnapPoint(CPoint& clientPoint) const;
    // The grid settings command: the dialog, then the settings as one undoable step.
    void OnViewGrid();
    // What the grid dialog's OK does: records the change and applies the values.
    void ApplyGridSettings(int size, int style, DWORD color);

    // The zoom command: the dialog, then the chosen zoom.
    void OnViewZoom();
    // What the zoom dialog's OK does for a choice (see CZoomDlg) and a custom percentage.
    void ApplyZoomChoice(int choice, int percent);

    // Painting. Draws now every pixel of the tiles that the client area shows (tests and
    // benchmarks use it; the view itself draws them a slice at a time between events, and the
    // rest of the tiles at the edges after them).
    void RenderVisibleNow();
    // Whether pixels the client area shows are still to be drawn.
    bool HasPendingTiles() const;
    // Whether tiles (shown or ahead of scrolling) are being drawn a slice at a time.
    bool IsRendering() const { return m_RenderTimer.isActive(); }
    // How long the longest slice of tile drawing took since the last call (ms): how long the
    // window was busy at most.
    qint64 TakeLongestSlice();
    const CQarnTileCache& GetTileCache() const { return m_Tiles; }
    // The client area as a picture (what a paint shows now).
    QImage GrabClient();

Q_SIGNALS:
    // The pointer moved over the view: the document point under it.
    void PointerMoved(const QPoint& docPoint);

protected:
    // CQarnDocListener.
    void OnComponentAdded(CQarnComponent* component) override;
    void OnComponentRemoved(CQarnComponent* component) override;
    void OnComponentChanged(CQarnComponent* component, Qarn::ComponentChange change,
                            const CRect& oldBounds) override;
    void OnPageChanged(CQarnCanvas* page, Qarn::PageChange change) override;
    void OnRepaint(CQarnCanvas* page, const CRect& area) override;
    void OnDocumentClosing() override;

    // CZoomView.
    void OnMappingChanged() override;
    void OnScrollBy(int dx, int dy) override;

    // A drop of components offered in the library's own format at a document point; the base
    // view takes none (the commands view pastes them).
    virtual bool OnDropData(const QMimeData* data, const CPoint& docPoint);

    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

    // What a tool shows over the drawing while it works (a rubber band, a lasso, a connection
    // target), painted in client pixels after the trackers.
    virtual void PaintToolOverlay(QPainter& painter) { (void)painter; }
    // How a selected component's trackers are drawn (a CQarnComponent::TrackerState): the
    // primary one active, the others selected; a view may show point editing instead.
    virtual int TrackerStateOf(const CQarnComponent* component, bool primary) const;

    // Repaints a document rectangle: its tiles and, grown by the trackers, the client area.
    void InvalidateDocRect(const CRect& docRect);
    void InvalidateEverything();
    // Scrolls the client area by pixels (the scroll bars clamp it).
    void ScrollBy(int dx, int dy);
    void SendRepainted();
    void Relay(UINT message, WPARAM wParam);

private:
    struct Feedback {
        CQarnComponent* component;
        bool label;
        QRect client;
    };

    // Tiles.
    double DevicePixelRatio() const;
    void SyncTileScale();
    QRect VisibleDeviceRect() const;
    QRectF DeviceToClient(const QRect& deviceRect) const;
    QRect ClientToDevice(const QRect& clientRect) const;
    void RenderParts(const std::vector<CQarnTileRenderer::Part>& parts);
    // The dirty pixels of a tile that the visible device rectangle shows (tile pixels).
    static QRegion ShownDirt(const CQarnTileCache::Tile& tile, const QRect& visible);
    void ScheduleRender();
    void RenderStep();
    // The next of the dirty pixels `dirt` of a tile to draw in one go.
    QRegion NextPart(const CQarnTileCache::Tile& tile, const QRegion& dirt) const;
    void PaintArea(QPainter& painter, const QRect& clientRect);
    void PaintPreview(QPainter& painter, const QRegion& area);
    void PaintDesk(QPainter& painter, const QRect& clientRect);
    void PaintOverlay(QPainter& painter, const QRect& clientRect);
    // One frame around a selection too large to show every component's trackers.
    void PaintSelectionFrame(QPainter& painter, const QRect& clientRect);
    static constexpr int kMostTrackers = 2000;
    // Client pixels that the component's trackers and feedback may cover.
    QRect TrackerArea(const CRect& docBounds) const;

    // Document.
    void ReindexPage();
    void DropFeedback(CQarnComponent* component);
    void AddFeedback(CQarnComponent* component, bool label);
    bool IsOnShownPage(const CQarnComponent* component) const;
    bool Qualifies(CQarnComponent* component, int mode, const QRectF& area, bool ellipse);
    void OnKeyDown(int key);

    CQarnDoc* m_pDoc = nullptr;
    CQarnSelectionList m_Selection;
    CQarnSpatialIndex m_Index;
    CQarnTileCache m_Tiles;
    QTimer m_RenderTimer;
    std::vector<Feedback> m_Feedback;
    bool m_bRedrawPending = false;
    bool m_bSnap = false;
    qint64 m_nLongestSlice = 0;
};
