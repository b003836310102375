#pragma once
// The drawing document: its pages (canvases), document-wide settings (map mode, grid, default
// page size, margins), the symbols its auto shapes use, and the counter that numbers its
// components. It adds and removes components for tools and actions and announces each change
// to its own listeners: the views and panes that show it, and the adapter that turns changes
// into the registered messages the main window handles.

#include <QList>
#include <QString>
#include <memory>
#include <vector>

#include "core/component_list.h"
#include "core/doc_listeners.h"
#include "core/layer_places.h"
#include "platform/cpoint.h"
#include "platform/crect.h"
#include "platform/document.h"
#include "platform/win_types.h"
#include "shapes/auto_shape_templ.h"
#include "undo/undo_target.h"

class CQarnCanvas;
class CQarnComponent;
class CQarnLayer;
class CDC;
class CQarnDocMessageAdapter;
class Color;
class Graphics;
struct UMNotificationData;

using CanvasList = QList<CQarnCanvas*>;

class CQarnDoc : public CDocument, public CUndoTarget {
    QARN_DECLARE_SERIAL(CQarnDoc)

public:
    CQarnDoc();
    ~CQarnDoc() override;

    // Pages.
    CanvasList& GetCanvasList() { return m_Canvases; }
    const CanvasList& GetCanvasList() const { return m_Canvases; }
    CQarnCanvas* GetCurrentCanvas() const { return m_pCurrentCanvas; }
    // 0-based, -1 when absent.
    int GetCanvasIndex(const CQarnCanvas* canvas) const;
    // A new current page of the default size with one new layer.
    CQarnCanvas* AddNewCanvas();
    void AddCanvas(CQarnCanvas* canvas);
    // Inserts after `after`, or first when `after` is not in the document.
    void AddCanvas(CQarnCanvas* after, CQarnCanvas* canvas);
    // Unlinks the page (without deleting it) and makes a neighbour current; refused with
    // fewer than two pages. `neighbour` gets the page before it, or null when it was first.
    BOOL RemoveCanvas(CQarnCanvas* canvas, CQarnCanvas*& neighbour);
    void GoToCanvas(CQarnCanvas* canvas);
    // The next or previous page becomes current; false (and nothing changes) at either end,
    // where the view sounds the warning beep.
    bool OnNextCanvas();
    bool OnPreviousCanvas();
    // Posts the page size to every view and the page number and count to the main window.
    void OnPageChange();
    CSize GetCanvasSize() const;
    CSize GetCanvasSize(int index) const;
    CSize GetDefaultSize() const { return m_DefaultSize; }
    void SetDefaultSize(const CSize& size) { m_DefaultSize = size; }
    CSize GetPrintSize() const { return m_PrintSize; }
    // The size of new pages: the program's page-size provider (the default printer's printable
    // area in document units), 500 by 500 without one.
    static CSize ComputePrintDefaultSize();
    Color GetPaperColor() const;
    int GetMapMode() const { return m_nMapMode; }
    const CRect& GetMargins() const { return m_rcMargins; }
    void SetMargins(const CRect& margins) { m_rcMargins = margins; }

    // Components.
    // Adds at the end (or front) of the layer, the current layer when null; numbers and
    // announces the component unless the document is busy writing itself.
    void AddTail(CQarnComponent* component, CQarnLayer* layer = nullptr);
    void AddHead(CQarnComponent* component, CQarnLayer* layer = nullptr);
    void Add(CQarnComponent* component, CQarnComponent* before, CQarnLayer* layer = nullptr);
    // Takes the component out of every layer and every view; it is not deleted, and its layer
    // is null until it is added again.
    bool Remove(CQarnComponent* component);
    // Takes the component out (as Remove) and hands it to the caller, who owns it until it is
    // put back: an action that took a component out frees it when the action goes while the
    // component is still out. Null when the component is not in this document.
    std::unique_ptr<CQarnComponent> TakeOut(CQarnComponent* component);
    // Puts a component taken out back into the layer, in front of `before` (at the end when
    // null) and announces it; the document owns it again.
    void PutBack(std::unique_ptr<CQarnComponent> component, CQarnLayer* layer,
                 CQarnComponent* before);
    // Whether the component lies on a layer of this document.
    bool Contains(const CQarnComponent* component) const;
    // Takes the components of the list that lie in this document out (as TakeOut, in list
    // order) with one pass over each layer; `places` says where each one taken was.
    std::vector<std::unique_ptr<CQarnComponent>> TakeOutAll(const ComponentList& components,
                                                            std::vector<Qarn::LayerPlace>& places);
    // Puts components taken out by TakeOutAll back at their places and announces them.
    void PutBackAll(std::vector<std::unique_ptr<CQarnComponent>> components,
                    const std::vector<Qarn::LayerPlace>& places);
    // The components of the list that lie in this document, in list order.
    ComponentList KeepContained(const ComponentList& components) const;
    virtual bool IsActionPermitted(UINT action) {
        (void)action;
        return true;
    }
    // 2 locks the document against new actions.
    BOOL GetCanvasFlag() const { return m_bCanvasFlag; }
    void SetCanvasFlag(BOOL flag) { m_bCanvasFlag = flag; }
    UINT GetNextID() const { return m_nNextID; }
    void SetNextID(UINT id) { m_nNextID = id; }
    bool IsBusy() const { return m_bBusy; }
    void SetBusy(bool busy) { m_bBusy = busy; }

    // The topmost component of the current page at p that is not inside a group: layers from
    // the top down, hidden ones skipped, each from its last component to its first.
    CQarnComponent* ObjectAt(const CPoint& p, CView* view) const;
    // What a connector end at p would attach to: the same walk with a 2 by 2 probe, skipping
    // grouped components, the excluded one and components without anchors.
    CQarnComponent* GetFocusedObj(const CPoint& p, const CQarnComponent* exclude) const;
    // The union of the bounds of every shown component on the visible layers of the current
    // page, or of the list.
    CRect GetBound() const;
    static CRect GetBound(const ComponentList& list);

    // The page: white paper, the background when "Draw Background" is on, the layer
    // information when "Show Layer Info" is on, the grid when shown, then the components of
    // every visible layer in order. Draws the current page when canvas is null.
    void Draw(Graphics* graphics, const CRect& clip, CQarnCanvas* canvas, UINT mode) const;
    void Draw(CDC* dc, const CRect& clip, CQarnCanvas* canvas, UINT mode) const;
    // What lies under the components: the paper, the background, the layer information and
    // the grid (the first steps of Draw).
    void DrawUnderlay(Graphics* graphics, CQarnCanvas* canvas) const;

    // Writes the page (the current one when null) as SVG, gzip-compressed when `compressed`,
    // then the preview page, and tells the main window. False with *error when the file
    // cannot be written.
    bool ExportToSVG(const QString& path, CQarnCanvas* canvas, int compressed,
                     QString* error = nullptr);

    // The component a connector end being dragged would attach to, set by the tool doing the
    // drag and read by the connector; cleared when that component leaves the document.
    CQarnComponent* GetConnectionTarget() const { return m_pConnectionTarget; }
    void SetConnectionTarget(CQarnComponent* component) { m_pConnectionTarget = component; }

    // Listeners and the changes they hear (nothing is announced while the document is busy
    // writing itself).
    CQarnDocListeners& GetListeners() { return m_Listeners; }
    // The component changed: its bound cache is brought up to date and the listeners hear
    // where it was before.
    void NotifyComponentChanged(CQarnComponent* component, Qarn::ComponentChange change);
    // Every component of the list changed (each as above).
    void NotifyComponentsChanged(const ComponentList& components, Qarn::ComponentChange change);
    void NotifyPropertyChanged(CQarnComponent* component, UINT code);
    void NotifyPageChanged(CQarnCanvas* page, Qarn::PageChange change);
    void NotifyRepaint(CQarnCanvas* page, const CRect& area);

    // Symbols used by this document's auto shapes.
    // Keeps t unless one of the same id is there: then t is deleted (replace false) or takes
    // the place of the old one, which is deleted (replace true). Returns the one kept.
    CQarnAutoShapeTempl* AddTemplate(CQarnAutoShapeTempl* t, bool replace);
    CQarnAutoShapeTempl* FindASTemplate(UINT id) const;
    CQarnTemplateList& GetTemplates() { return m_Templates; }

    // Grid. Its style is the index of the grid dialog's list; grid marks closer than a few
    // device pixels are thinned out to every second, fourth... step.
    enum GridStyle { GridDots = 0, GridLines = 1, GridDashedLines = 2, GridCrosses = 3 };
    static constexpr int kGridStyleCount = 4;
    bool IsGridShown() const { return m_bGridShown; }
    void SetGridShown(bool shown) { m_bGridShown = shown; }
    void OnViewGrid();
    DWORD GetGridColor() const { return m_dwGridColor; }
    void SetGridColor(DWORD argb) { m_dwGridColor = argb; }
    int GetGridSize() const { return m_nGridSize; }
    void SetGridSize(int size) { m_nGridSize = size; }
    int GetGridStyle() const { return m_nGridStyle; }
    void SetGridStyle(int style) { m_nGridStyle = style; }

    const QString& GetVersionText() const { return m_strVersion; }

    // The document record: settings, pages, the symbols used, embedded items. Reading ends
    // with Initialize.
    void Serialize(CArchive& ar) override;

    // Life cycle.
    bool OnNewDocument() override;
    // Reads the file, then announces the current page.
    bool OnOpenDocument(const QString& path, QString* error = nullptr) override;
    // Writes the file with the document busy, so nothing is numbered or announced meanwhile.
    bool OnSaveDocument(const QString& path, QString* error = nullptr) override;
    // After loading: the first page becomes current and every page is initialised.
    void Initialize();
    // Also forgets the undo history, whose actions refer to the contents.
    void DeleteContents() override;
    // A closed document keeps no history: nothing can be undone in it any more.
    void OnCloseDocument() override;

    // Undo history. The undo manager calls this after every change of the document's stacks:
    // the modified flag follows whether the document now differs from its last save.
    static void UndoNotify(CUndoTarget* target, UMNotificationData& data);
    // The number of undo steps a document keeps: the stored "Maximum Undo Step", at least 1.
    static long UndoCapacity();

protected:
    // Opening: the old history refers to the contents about to go, so it goes first.
    void OnContentsReplacing() override;
    void SwapContents(CDocument& other) override;

    // Starts the history afresh (an older one refers to contents that are about to go) and
    // registers the document as an undo target whose present state counts as saved.
    void ForgetUndoHistory();
    void RegisterUndoTarget();

    void Announce(CQarnComponent* component, CQarnComponent* before);
    CQarnLayer* TargetLayer(CQarnLayer* layer) const;

    QString m_strVersion = QStringLiteral("Version 1.0");
    DWORD m_dwReserved = 0;
    UINT m_nNextID = 0;
    DWORD m_dwGridColor = 0xFFC0C0C0u;
    int m_nGridSize = 4;
    int m_nGridStyle = 1;
    bool m_bGridShown = false;
    BOOL m_bCanvasFlag = TRUE;
    CRect m_rcEmpty;
    BOOL m_bSecondFlag = TRUE;
    CQarnCanvas* m_pCurrentCanvas = nullptr;
    CanvasList m_Canvases;
    CSize m_DefaultSize;
    CSize m_PrintSize;
    int m_nMapMode = 8;
    CRect m_rcMargins = CRect(50, 50, 50, 50);
    bool m_bBusy = false;
    CQarnTemplateList m_Templates;
    BOOL m_bFlag = FALSE;
    BOOL m_bTemplatesPresent = TRUE;
    DWORD m_dwReservedKept = 0;
    CQarnComponent* m_pConnectionTarget = nullptr;
    // The listeners go after the adapter (declared after them), which unsubscribes itself.
    CQarnDocListeners m_Listeners;
    std::unique_ptr<CQarnDocMessageAdapter> m_pMessages;
};
