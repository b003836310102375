#include "core/canvas.h"

#include <memory>

#include "core/drawing_limits.h"
#include "core/layer.h"
#include "platform/archive.h"
#include "platform/brush.h"
#include "platform/dc.h"
#include "platform/graphics.h"
#include "properties/basic_brush_property.h"
#include "properties/embedded_brush.h"

QARN_IMPLEMENT_SERIAL(CQarnCanvas, CObject, 0)

CQarnCanvas::CQarnCanvas() {
    auto* paper = new CQarnBasicBrushProperty();
    paper->SetColor1(Color(Color::White));
    SetBackground(paper);
}

CQarnCanvas::~CQarnCanvas() {
    qDeleteAll(m_Layers);
    m_Layers.clear();
    if (m_pBackground != nullptr) {
        m_pBackground->Remove();
    }
}

CQarnLayer* CQarnCanvas::AddNewLayer() {
    auto* layer = new CQarnLayer();
    m_pCurrentLayer = layer;
    AddLayer(layer);
    return layer;
}

void CQarnCanvas::Adopt(CQarnLayer* layer) {
    layer->SetCanvas(this);
    if (layer->GetName() == CQarnLayer::DefaultName()) {
        layer->SetName(QStringLiteral("Layer%1").arg(GetLayerIndex(layer)));
    }
}

void CQarnCanvas::AddLayer(CQarnLayer* layer) {
    if (layer == nullptr) {
        return;
    }
    m_Layers.append(layer);
    Adopt(layer);
}

void CQarnCanvas::AddLayer(CQarnLayer* after, CQarnLayer* layer) {
    if (layer == nullptr) {
        return;
    }
    qsizetype at = after ? m_Layers.indexOf(after) : -1;
    m_Layers.insert(at < 0 ? 0 : at + 1, layer);
    Adopt(layer);
}

int CQarnCanvas::GetLayerIndex(const CQarnLayer* layer) const {
    return int(m_Layers.indexOf(const_cast<CQarnLayer*>(layer)));
}

void CQarnCanvas::Initialize(CQarnDoc* document) {
    m_pDocument = document;
    m_pCurrentLayer = m_Layers.isEmpty() ? nullptr : m_Layers.first();
    for (CQarnLayer* layer : m_Layers) {
        layer->Initialize(this);
    }
}

void CQarnCanvas::SetBackground(CQarnBasicBrushProperty* background) {
    Qarn::AdoptOwnedBrush(m_pBackground, background);
}

void CQarnCanvas::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteObjectList(m_Layers);
        ar << m_nCanvasFlag << std::uint32_t(m_dwReserved) << std::int32_t(m_nWidth)
           << std::int32_t(m_nHeight) << std::uint32_t(0) << std::uint32_t(0) << std::uint32_t(0);
        ar.SerializeEmbedded(*m_pBackground);
        return;
    }
    ar.ReadObjectList(m_Layers);
    std::uint32_t reserved = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint32_t ignored = 0;
    ar >> m_nCanvasFlag >> reserved >> width >> height >> ignored >> ignored >> ignored;
    m_dwReserved = reserved;
    m_nWidth = Qarn::SaneCoordinate(int(width));
    m_nHeight = Qarn::SaneCoordinate(int(height));
    auto* paper = new CQarnBasicBrushProperty();
    SetBackground(paper);
    ar.SerializeEmbedded(*paper);
}

void CQarnCanvas::DrawBkGround(Graphics* graphics) {
    if (graphics == nullptr || m_pBackground == nullptr) {
        return;
    }
    const RectF page(0, 0, float(m_nWidth), float(m_nHeight));
    std::unique_ptr<Brush> brush(m_pBackground->CreateBrush(page, nullptr, 0, 100));
    if (brush) {
        graphics->FillRectangle(brush.get(), page);
    }
}

void CQarnCanvas::DrawBkGround(CDC* dc) {
    if (dc == nullptr || dc->GetPainter() == nullptr) {
        return;
    }
    Graphics graphics(dc);
    DrawBkGround(&graphics);
}
