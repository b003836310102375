#include "core/component.h"

#include "core/clone_as.h"
#include "core/connection_link.h"
#include "core/conversions.h"
#include "core/default_properties.h"
#include "core/doc.h"
#include "core/effect_cache.h"
#include "core/element.h"
#include "core/kind_word_lookup.h"
#include "core/label_facet.h"
#include "core/layer.h"
#include "core/notification_messages.h"
#include "core/shadow_facet.h"
#include "platform/graphics_path.h"
#include "platform/window_messages.h"
#include "properties/arrow_property.h"
#include "properties/basic_brush_property.h"
#include "properties/brush_property.h"
#include "properties/label_property.h"
#include "properties/pen_property.h"
#include "properties/property_kinds.h"
#include "properties/shadow_property.h"
#include "properties/text_property.h"

QARN_IMPLEMENT_SERIAL(CQarnComponent, CObject, 0)

namespace {

CQarnProperty* CloneDefaultOr(UINT kind, CQarnProperty* fallback) {
    if (CQarnProperty* d = Qarn::GetDefaultProperty(kind)) {
        delete fallback;
        return d->Clone();
    }
    return fallback;
}

}  // namespace

CQarnComponent::CQarnComponent() = default;

CQarnComponent::CQarnComponent(const RectF& rect)
    : m_rect(rect), m_dwStyle(kDefaultRectComponentStyle) {
    AddProperty(CloneDefaultOr(QARN_PROP_PEN, new CQarnPenProperty(1)));
    AddProperty(CloneDefaultOr(QARN_PROP_BRUSH, new CQarnBrushProperty()));
}

CQarnComponent::~CQarnComponent() {
    // A connector end resting here would keep pointing at freed memory: it lets go first.
    CQarnConnectionLink* link = CQarnConnectionLink::Get();
    const ConnectionList connections = m_Connections;
    for (CQarnConnection* connection : connections) {
        link->DropConnection(connection, this);
    }
    m_Connections.clear();
    ClearAllProperty();
}

void CQarnComponent::Copy(const CQarnComponent* source) {
    if (source == nullptr || source == this) {
        return;
    }
    ClearAllProperty();
    for (const CQarnProperty* p : source->m_PropList) {
        AddProperty(p->Clone());
    }
    m_pLayer = source->m_pLayer;
    m_dwStyle = source->m_dwStyle;
    m_dwState = source->m_dwState;
    m_fRotateAngle = source->m_fRotateAngle;
    m_rect = source->m_rect;
    m_ptRotateCenter = source->m_ptRotateCenter;
    m_nShapeID = source->m_nShapeID;
}

CQarnComponent* CQarnComponent::Clone(CQarnLayer* layer) {
    return Qarn::CloneAs(*this, layer);
}

QString CQarnComponent::GetKindWord() const {
    const QString word = Qarn::LookUpKindWord(m_nShapeID);
    return word.isEmpty() ? QString::fromLatin1(GetRuntimeClass()->m_lpszClassName) : word;
}

QString CQarnComponent::GetName() {
    if (m_strName.isEmpty()) {
        QString name = QStringLiteral("%1-%2").arg(GetKindWord()).arg(m_nID);
        for (const QString& prefix : {QStringLiteral("CQarnShape"), QStringLiteral("CQarn")}) {
            int at = int(name.indexOf(prefix));
            if (at >= 0) {
                name = name.mid(at + prefix.size());
                break;
            }
        }
        m_strName = name;
    }
    return m_strName;
}

QString CQarnComponent::GetFlipMode() const {
    switch (GetFlip()) {
        case QARN_STYLE_HORIFLIP:
            return QStringLiteral("Hori.");
        case QARN_STYLE_VERTFLIP:
            return QStringLiteral("Vert.");
        case QARN_STYLE_HORIFLIP | QARN_STYLE_VERTFLIP:
            return QStringLiteral("Hori.&Vert.");
        default:
            return QStringLiteral("None");
    }
}

CRect CQarnComponent::GetRect() const {
    return Qarn::cast(m_rect);
}

void CQarnComponent::SetRect(const CRect& rect) {
    SetRectF(RectF(float(rect.left), float(rect.top), float(rect.Width()), float(rect.Height())));
}

PointF CQarnComponent::GetCenterPointF() const {
    return PointF(m_rect.X + m_rect.Width / 2, m_rect.Y + m_rect.Height / 2);
}

void CQarnComponent::UpdateRotateCenter() {
    m_ptRotateCenter = GetCenterPointF();
}

void CQarnComponent::Shift(float dx, float dy) {
    RectF r = GetRectF();
    r.Offset(dx, dy);
    SetRectF(r);
}

// Properties.

void CQarnComponent::AddProperty(CQarnProperty* property) {
    if (property == nullptr) {
        return;
    }
    property->IncreaseRefCount();
    m_PropList.append(property);
}

CQarnProperty* CQarnComponent::GetProperty(int kind) const {
    for (CQarnProperty* p : m_PropList) {
        if (p->GetId() == static_cast<unsigned int>(kind)) {
            return p;
        }
    }
    return nullptr;
}

CQarnPenProperty* CQarnComponent::GetPenProperty() const {
    return dynamic_cast<CQarnPenProperty*>(GetProperty(QARN_PROP_PEN));
}

CQarnBasicBrushProperty* CQarnComponent::GetBrushProperty() const {
    return dynamic_cast<CQarnBasicBrushProperty*>(GetProperty(QARN_PROP_BRUSH));
}

CQarnTextProperty* CQarnComponent::GetTextProperty() const {
    return dynamic_cast<CQarnTextProperty*>(GetProperty(QARN_PROP_TEXT));
}

CQarnLabelProperty* CQarnComponent::GetLabelProperty() const {
    return dynamic_cast<CQarnLabelProperty*>(GetProperty(QARN_PROP_LABEL));
}

CQarnShadowProperty* CQarnComponent::GetShadowProperty() const {
    return dynamic_cast<CQarnShadowProperty*>(GetProperty(QARN_PROP_SHADOW));
}

bool CQarnComponent::HasArrow() const {
    return GetProperty(QARN_PROP_ARROW) != nullptr;
}

void CQarnComponent::RemoveProperty(CQarnProperty* property) {
    if (property == nullptr) {
        return;
    }
    m_PropList.removeOne(property);
    property->Remove();
}

void CQarnComponent::RemoveProperty(int kind) {
    RemoveProperty(GetProperty(kind));
}

void CQarnComponent::ClearAllProperty() {
    PropertyList all;
    all.swap(m_PropList);
    for (CQarnProperty* p : all) {
        p->Remove();
    }
}

void CQarnComponent::OnPropertyChanged(UINT id) {
    if (m_pParentGroup != nullptr) {
        return;
    }
    if (CQarnDoc* doc = GetDocument()) {
        doc->NotifyPropertyChanged(this, id);
    }
}

// Forwarders.

CQarnBasicBrushProperty* CQarnComponent::PenPaint() const {
    CQarnPenProperty* pen = GetPenProperty();
    return pen ? pen->GetBrush() : nullptr;
}

CQarnArrowProperty* CQarnComponent::ArrowProperty() const {
    return dynamic_cast<CQarnArrowProperty*>(GetProperty(QARN_PROP_ARROW));
}

Color CQarnComponent::GetLineColor() const {
    CQarnPenProperty* pen = GetPenProperty();
    return pen ? pen->GetColor1() : Color(0u);
}

void CQarnComponent::SetLineColor(const Color& color) {
    if (CQarnPenProperty* pen = GetPenProperty()) {
        pen->SetColor1(color);
    }
}

void CQarnComponent::SetLineColor(DWORD colorref) {
    if (CQarnPenProperty* pen = GetPenProperty()) {
        pen->SetColor1(static_cast<unsigned long>(colorref));
    }
}

float CQarnComponent::GetLineWidth() const {
    CQarnPenProperty* pen = GetPenProperty();
    return pen ? pen->GetLineWidth() : 1.0f;
}

void CQarnComponent::SetLineWidth(float width) {
    if (CQarnPenProperty* pen = GetPenProperty()) {
        pen->SetLineWidth(width);
    }
}

unsigned short CQarnComponent::GetDashStyle() const {
    CQarnPenProperty* pen = GetPenProperty();
    return pen ? pen->GetDashStyle() : 0;
}

void CQarnComponent::SetDashStyle(unsigned short style) {
    if (CQarnPenProperty* pen = GetPenProperty()) {
        pen->SetDashStyle(style);
    }
}

BYTE CQarnComponent::GetDashCap() const {
    CQarnPenProperty* pen = GetPenProperty();
    return pen ? pen->GetDashCap() : 0;
}

void CQarnComponent::SetDashCap(BYTE cap) {
    if (CQarnPenProperty* pen = GetPenProperty()) {
        pen->SetDashCap(cap);
    }
}

Color CQarnComponent::GetFillColor() const {
    CQarnBasicBrushProperty* brush = GetBrushProperty();
    return brush ? brush->GetColor1() : Color(0u);
}

void CQarnComponent::SetFillColor(const Color& color) {
    if (CQarnBasicBrushProperty* brush = GetBrushProperty()) {
        brush->SetColor1(color);
    }
}

void CQarnComponent::SetFillColor(DWORD colorref) {
    if (CQarnBasicBrushProperty* brush = GetBrushProperty()) {
        brush->SetColor1(static_cast<unsigned long>(colorref));
    }
}

BYTE CQarnComponent::GetBrushType() const {
    CQarnBasicBrushProperty* brush = GetBrushProperty();
    return brush ? brush->GetBrushType() : 0;
}

void CQarnComponent::SetBrushType(BYTE type) {
    if (CQarnBasicBrushProperty* brush = GetBrushProperty()) {
        brush->SetBrushType(type);
    }
}

BYTE CQarnComponent::GetWrapMode() const {
    CQarnBasicBrushProperty* brush = GetBrushProperty();
    return brush ? brush->GetWrapMode() : 0;
}

void CQarnComponent::SetWrapMode(BYTE mode) {
    if (CQarnBasicBrushProperty* brush = GetBrushProperty()) {
        brush->SetWrapMode(mode);
    }
}

bool CQarnComponent::GetStretch() const {
    CQarnBasicBrushProperty* brush = GetBrushProperty();
    return brush ? brush->GetStretch() : true;
}

void CQarnComponent::SetStretch(bool on) {
    if (CQarnBasicBrushProperty* brush = GetBrushProperty()) {
        brush->SetStretch(on);
    }
}

BYTE CQarnComponent::GetAlpha() const {
    if (CQarnBasicBrushProperty* brush = GetBrushProperty()) {
        return brush->GetAlpha();
    }
    if (CQarnBasicBrushProperty* paint = PenPaint()) {
        return paint->GetAlpha();
    }
    return 255;
}

void CQarnComponent::SetAlpha(BYTE alpha) {
    if (CQarnBasicBrushProperty* paint = PenPaint()) {
        paint->SetAlpha(alpha);
    }
    if (CQarnBasicBrushProperty* brush = GetBrushProperty()) {
        brush->SetAlpha(alpha);
    }
}

ArrowType CQarnComponent::GetArrowType(UINT end) const {
    if (end == 1) {
        return GetStartArrow();
    }
    if (end == 2) {
        return GetEndArrow();
    }
    return ArrowTypeNone;
}

void CQarnComponent::SetArrowType(UINT end, ArrowType type) {
    if (end == 1) {
        SetStartArrow(type);
    } else if (end == 2) {
        SetEndArrow(type);
    }
}

BYTE CQarnComponent::GetStartArrowSize() const {
    CQarnArrowProperty* arrow = ArrowProperty();
    return arrow ? arrow->GetStartArrowSize() : 0;
}

BYTE CQarnComponent::GetEndArrowSize() const {
    CQarnArrowProperty* arrow = ArrowProperty();
    return arrow ? arrow->GetEndArrowSize() : 0;
}

ArrowType CQarnComponent::GetStartArrow() const {
    CQarnArrowProperty* arrow = ArrowProperty();
    return arrow ? arrow->GetStartArrow() : ArrowTypeNone;
}

ArrowType CQarnComponent::GetEndArrow() const {
    CQarnArrowProperty* arrow = ArrowProperty();
    return arrow ? arrow->GetEndArrow() : ArrowTypeNone;
}

void CQarnComponent::SetStartArrowSize(BYTE size) {
    if (CQarnArrowProperty* arrow = ArrowProperty()) {
        arrow->SetStartArrowSize(size);
    }
}

void CQarnComponent::SetEndArrowSize(BYTE size) {
    if (CQarnArrowProperty* arrow = ArrowProperty()) {
        arrow->SetEndArrowSize(size);
    }
}

void CQarnComponent::SetStartArrow(ArrowType type) {
    if (CQarnArrowProperty* arrow = ArrowProperty()) {
        arrow->SetStartArrow(type);
    }
}

void CQarnComponent::SetEndArrow(ArrowType type) {
    if (CQarnArrowProperty* arrow = ArrowProperty()) {
        arrow->SetEndArrow(type);
    }
}

// Connections.

void CQarnComponent::AddConnection(CQarnConnection* connection) {
    if (connection != nullptr && !m_Connections.contains(connection)) {
        m_Connections.append(connection);
    }
}

void CQarnComponent::RemoveConnection(CQarnConnection* connection) {
    m_Connections.removeAll(connection);
}

bool CQarnComponent::BeenConnectedBy(const CQarnComponent* connector) const {
    if (connector == nullptr) {
        return false;
    }
    CQarnConnectionLink* link = CQarnConnectionLink::Get();
    for (CQarnConnection* connection : m_Connections) {
        if (link->GetConnector(connection) == connector) {
            return true;
        }
    }
    return false;
}

// Containment.

int CQarnComponent::GetIndexInList(const ComponentList& list) const {
    qsizetype at = list.indexOf(const_cast<CQarnComponent*>(this));
    return at < 0 ? 0 : int(at) + 1;
}

int CQarnComponent::GetIndexInContainer() const {
    return m_pLayer ? m_pLayer->GetObjectPosition(this) : -1;
}

CQarnDoc* CQarnComponent::GetDocument() const {
    return m_pLayer ? m_pLayer->GetDocument() : nullptr;
}

void CQarnComponent::AddToList(ComponentList& list) {
    list.append(this);
}

void CQarnComponent::Initialize(CQarnLayer* layer) {
    m_pLayer = layer;
}

// Life cycle.

void CQarnComponent::OnRemoved() {
    if (CQarnBasicBrushProperty* brush = GetBrushProperty()) {
        brush->ClearImage();
    }
    if (CQarnBasicBrushProperty* paint = PenPaint()) {
        paint->ClearImage();
    }
    if (CQarnShadowProperty* shadow = GetShadowProperty()) {
        if (CQarnBasicBrushProperty* paint = shadow->GetBrushProperty()) {
            paint->ClearImage();
        }
    }
    CQarnConnectionLink* link = CQarnConnectionLink::Get();
    const ConnectionList connections = m_Connections;
    for (CQarnConnection* connection : connections) {
        link->DropConnection(connection, this);
    }
    m_Connections.clear();
}

void CQarnComponent::Remove() {
    delete this;
}

void CQarnComponent::RecordlastPosition() {
    DropEffectCache();
    // A drag starts here: the label keeps where it was, to move from there.
    if (CQarnLabelFacet* label = GetLabelFacet()) {
        label->UpdateLastRect();
    }
    CQarnConnectionLink* link = CQarnConnectionLink::Get();
    for (CQarnConnection* connection : m_Connections) {
        link->RecordPosition(connection);
    }
}

void CQarnComponent::SetEffectCache(std::unique_ptr<CQarnEffectCache> cache) {
    m_pEffectCache = std::move(cache);
}

void CQarnComponent::DropEffectCache() {
    // Most components keep no effect: nothing is written then.
    if (m_pEffectCache != nullptr) {
        m_pEffectCache.reset();
    }
}
