#pragma once
// A page: a list of layers (the bottom one first), a page size in document units and a
// background fill. The canvas owns its layers and its background brush.

#include <QList>

#include "platform/cpoint.h"
#include "platform/object.h"
#include "platform/win_types.h"

class CDC;
class CQarnDoc;
class Graphics;
class CQarnBasicBrushProperty;
class CQarnLayer;

using LayerList = QList<CQarnLayer*>;

class CQarnCanvas : public CObject {
    QARN_DECLARE_SERIAL(CQarnCanvas)

public:
    CQarnCanvas();
    ~CQarnCanvas() override;
    CQarnCanvas(const CQarnCanvas&) = delete;
    CQarnCanvas& operator=(const CQarnCanvas&) = delete;

    LayerList& GetLayers() { return m_Layers; }
    const LayerList& GetLayers() const { return m_Layers; }
    // A new layer that becomes the current one.
    CQarnLayer* AddNewLayer();
    // Appends the layer; a layer still called "noname" is named "Layer<index>".
    void AddLayer(CQarnLayer* layer);
    // Inserts the layer after `after`, or first when `after` is not in the canvas.
    void AddLayer(CQarnLayer* after, CQarnLayer* layer);
    // 0-based index, -1 when absent.
    int GetLayerIndex(const CQarnLayer* layer) const;

    CQarnLayer* GetCurrentLayer() const { return m_pCurrentLayer; }
    void SetCurrentLayer(CQarnLayer* layer) { m_pCurrentLayer = layer; }

    // After loading: takes the document, makes the first layer current and initialises every
    // layer.
    void Initialize(CQarnDoc* document);
    CQarnDoc* GetDocument() const { return m_pDocument; }
    void SetDocument(CQarnDoc* document) { m_pDocument = document; }

    CQarnBasicBrushProperty* GetBackground() const { return m_pBackground; }
    // Takes ownership (count 1) and releases the old background.
    void SetBackground(CQarnBasicBrushProperty* background);

    // Fills the page (0, 0, width, height) with the background brush.
    void DrawBkGround(Graphics* graphics);
    void DrawBkGround(CDC* dc);

    int GetWidth() const { return m_nWidth; }
    int GetHeight() const { return m_nHeight; }
    CSize GetSize() const { return CSize(m_nWidth, m_nHeight); }
    void SetSize(int width, int height) {
        m_nWidth = width;
        m_nHeight = height;
    }

    BYTE GetCanvasFlag() const { return m_nCanvasFlag; }
    void SetCanvasFlag(BYTE flag) { m_nCanvasFlag = flag; }
    DWORD GetReserved() const { return m_dwReserved; }
    void SetReserved(DWORD reserved) { m_dwReserved = reserved; }

    // Layers (bottom first), the canvas flag, the reserved word, the size, three zero words and
    // the paper brush in place.
    void Serialize(CArchive& ar) override;

private:
    void Adopt(CQarnLayer* layer);

    LayerList m_Layers;
    DWORD m_dwReserved = 0;
    CQarnDoc* m_pDocument = nullptr;
    BYTE m_nCanvasFlag = 1;
    CQarnLayer* m_pCurrentLayer = nullptr;
    CQarnBasicBrushProperty* m_pBackground = nullptr;
    int m_nWidth = 100;
    int m_nHeight = 100;
};
