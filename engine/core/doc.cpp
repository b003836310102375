#include "core/doc.h"

#include "core/canvas.h"
#include "core/component.h"
#include "core/default_page_size.h"
#include "core/doc_message_adapter.h"
#include "core/layer.h"
#include "core/template_registry.h"
#include "platform/view.h"
#include "properties/basic_brush_property.h"
#include "undo/undo_manager.h"

QARN_IMPLEMENT_SERIAL(CQarnDoc, CDocument, 0)

CQarnDoc::CQarnDoc()
    : m_DefaultSize(ComputePrintDefaultSize()),
      m_PrintSize(m_DefaultSize),
      m_pMessages(std::make_unique<CQarnDocMessageAdapter>()) {
    m_pMessages->Subscribe(this);
}

CQarnDoc::~CQarnDoc() {
    // Whoever listens lets go before anything goes.
    m_Listeners.CloseAll();
    // The actions may refer to the contents, so they go first; and no manager may keep
    // pointing at a freed document.
    if (gUndoManager != nullptr) {
        gUndoManager->RemoveTarget(this);
    }
    CQarnDoc::DeleteContents();
}

// Pages.

int CQarnDoc::GetCanvasIndex(const CQarnCanvas* canvas) const {
    return int(m_Canvases.indexOf(const_cast<CQarnCanvas*>(canvas)));
}

CQarnCanvas* CQarnDoc::AddNewCanvas() {
    auto* canvas = new CQarnCanvas();
    m_pCurrentCanvas = canvas;
    canvas->SetSize(m_DefaultSize.cx, m_DefaultSize.cy);
    canvas->AddNewLayer();
    AddCanvas(canvas);
    return canvas;
}

void CQarnDoc::AddCanvas(CQarnCanvas* canvas) {
    if (canvas == nullptr) {
        return;
    }
    m_Canvases.append(canvas);
    canvas->SetDocument(this);
}

void CQarnDoc::AddCanvas(CQarnCanvas* after, CQarnCanvas* canvas) {
    if (canvas == nullptr) {
        return;
    }
    canvas->SetDocument(this);
    qsizetype at = after ? m_Canvases.indexOf(after) : -1;
    m_Canvases.insert(at < 0 ? 0 : at + 1, canvas);
}

BOOL CQarnDoc::RemoveCanvas(CQarnCanvas* canvas, CQarnCanvas*& neighbour) {
    qsizetype at = m_Canvases.indexOf(canvas);
    if (m_Canvases.size() < 2 || at < 0) {
        return FALSE;
    }
    if (at > 0) {
        neighbour = m_Canvases[at - 1];
        m_pCurrentCanvas = neighbour;
    } else {
        neighbour = nullptr;
        m_pCurrentCanvas = m_Canvases[1];
    }
    m_Canvases.removeAt(at);
    return TRUE;
}

void CQarnDoc::GoToCanvas(CQarnCanvas* canvas) {
    if (canvas == nullptr || !m_Canvases.contains(canvas)) {
        return;
    }
    m_pCurrentCanvas = canvas;
    OnPageChange();
    UpdateAllViews(nullptr);
}

bool CQarnDoc::OnNextCanvas() {
    int at = GetCanvasIndex(m_pCurrentCanvas);
    if (at < 0 || at + 1 >= m_Canvases.size()) {
        return false;
    }
    GoToCanvas(m_Canvases[at + 1]);
    return true;
}

bool CQarnDoc::OnPreviousCanvas() {
    int at = GetCanvasIndex(m_pCurrentCanvas);
    if (at <= 0) {
        return false;
    }
    GoToCanvas(m_Canvases[at - 1]);
    return true;
}

void CQarnDoc::OnPageChange() {
    NotifyPageChanged(m_pCurrentCanvas, Qarn::PageChange::Current);
}

CSize CQarnDoc::GetCanvasSize() const {
    return m_pCurrentCanvas ? m_pCurrentCanvas->GetSize() : CSize();
}

CSize CQarnDoc::GetCanvasSize(int index) const {
    CQarnCanvas* canvas = m_Canvases.value(index, nullptr);
    return canvas ? canvas->GetSize() : CSize();
}

CSize CQarnDoc::ComputePrintDefaultSize() {
    return Qarn::GetDefaultPageSize();
}

Color CQarnDoc::GetPaperColor() const {
    if (m_pCurrentCanvas == nullptr || m_pCurrentCanvas->GetBackground() == nullptr) {
        return Color(Color::White);
    }
    return m_pCurrentCanvas->GetBackground()->GetColor1();
}

// Components.

CQarnLayer* CQarnDoc::TargetLayer(CQarnLayer* layer) const {
    if (layer != nullptr) {
        return layer;
    }
    return m_pCurrentCanvas ? m_pCurrentCanvas->GetCurrentLayer() : nullptr;
}

void CQarnDoc::Announce(CQarnComponent* component, CQarnComponent* before) {
    (void)before;
    if (m_bBusy) {
        return;
    }
    if (component->GetID() == CQarnComponent::kNoID) {
        component->SetID(m_nNextID++);
        component->OnAdded(1);
    } else {
        component->OnAdded(0);
    }
    component->SetBoundCache(component->GetBoundRect(false));
    m_Listeners.ForEach([&](CQarnDocListener* l) { l->OnComponentAdded(component); });
}

void CQarnDoc::AddTail(CQarnComponent* component, CQarnLayer* layer) {
    CQarnLayer* target = TargetLayer(layer);
    if (component == nullptr || target == nullptr) {
        return;
    }
    target->AddTail(component);
    Announce(component, nullptr);
}

void CQarnDoc::AddHead(CQarnComponent* component, CQarnLayer* layer) {
    CQarnLayer* target = TargetLayer(layer);
    if (component == nullptr || target == nullptr) {
        return;
    }
    target->AddHead(component);
    Announce(component, nullptr);
}

void CQarnDoc::Add(CQarnComponent* component, CQarnComponent* before, CQarnLayer* layer) {
    if (before == nullptr) {
        AddTail(component, layer);
        return;
    }
    CQarnLayer* target = TargetLayer(layer);
    if (component == nullptr || target == nullptr) {
        return;
    }
    target->Add(component, before);
    Announce(component, before);
}

bool CQarnDoc::Remove(CQarnComponent* component) {
    if (component == nullptr) {
        return false;
    }
    if (m_pConnectionTarget == component) {
        m_pConnectionTarget = nullptr;
    }
    component->OnRemoved();
    m_Listeners.ForEach([&](CQarnDocListener* l) { l->OnComponentRemoved(component); });
    for (CQarnCanvas* canvas : m_Canvases) {
        for (CQarnLayer* layer : canvas->GetLayers()) {
            layer->GetList().removeAll(component);
        }
    }
    // Out of the document it belongs to no layer: nothing takes it for a member any more.
    component->SetLayer(nullptr);
    return true;
}

bool CQarnDoc::Contains(const CQarnComponent* component) const {
    if (component == nullptr) {
        return false;
    }
    for (const CQarnCanvas* canvas : m_Canvases) {
        for (const CQarnLayer* layer : canvas->GetLayers()) {
            if (layer->GetList().contains(const_cast<CQarnComponent*>(component))) {
                return true;
            }
        }
    }
    return false;
}

std::unique_ptr<CQarnComponent> CQarnDoc::TakeOut(CQarnComponent* component) {
    if (!Contains(component)) {
        return nullptr;
    }
    Remove(component);
    return std::unique_ptr<CQarnComponent>(component);
}

void CQarnDoc::PutBack(std::unique_ptr<CQarnComponent> component, CQarnLayer* layer,
                       CQarnComponent* before) {
    CQarnLayer* target = TargetLayer(layer);
    if (component == nullptr || target == nullptr) {
        return;
    }
    Add(component.release(), before, target);
}

void CQarnDoc::OnCloseDocument() {
    if (gUndoManager != nullptr) {
        gUndoManager->RemoveTarget(this);
    }
    CDocument::OnCloseDocument();
}

// Listeners.

void CQarnDoc::NotifyComponentChanged(CQarnComponent* component, Qarn::ComponentChange change) {
    if (component == nullptr || m_bBusy) {
        return;
    }
    const CRect oldBounds = component->GetBoundCache();
    if (change == Qarn::ComponentChange::Appearance) {
        component->SetBoundCache(component->GetBoundRect(false));
    }
    m_Listeners.ForEach(
        [&](CQarnDocListener* l) { l->OnComponentChanged(component, change, oldBounds); });
}

void CQarnDoc::NotifyComponentsChanged(const ComponentList& components,
                                       Qarn::ComponentChange change) {
    for (CQarnComponent* component : components) {
        NotifyComponentChanged(component, change);
    }
}

void CQarnDoc::NotifyPropertyChanged(CQarnComponent* component, UINT code) {
    if (component == nullptr || m_bBusy) {
        return;
    }
    m_Listeners.ForEach(
        [&](CQarnDocListener* l) { l->OnComponentPropertyChanged(component, code); });
}

void CQarnDoc::NotifyPageChanged(CQarnCanvas* page, Qarn::PageChange change) {
    m_Listeners.ForEach([&](CQarnDocListener* l) { l->OnPageChanged(page, change); });
}

void CQarnDoc::NotifyRepaint(CQarnCanvas* page, const CRect& area) {
    m_Listeners.ForEach([&](CQarnDocListener* l) { l->OnRepaint(page, area); });
}

// Templates.

CQarnAutoShapeTempl* CQarnDoc::AddTemplate(CQarnAutoShapeTempl* t, bool replace) {
    if (t == nullptr) {
        return nullptr;
    }
    CQarnAutoShapeTempl* existing = FindASTemplate(t->GetTemplateID());
    if (existing == t) {
        return t;
    }
    if (existing == nullptr) {
        m_Templates.append(t);
        // Instances without a template look again.
        Qarn::NoteTemplatesChanged();
        return t;
    }
    if (!replace) {
        delete t;
        return existing;
    }
    m_Templates.removeOne(existing);
    delete existing;
    m_Templates.append(t);
    return t;
}

CQarnAutoShapeTempl* CQarnDoc::FindASTemplate(UINT id) const {
    for (CQarnAutoShapeTempl* t : m_Templates) {
        if (t->GetTemplateID() == id) {
            return t;
        }
    }
    return nullptr;
}

// Grid.

void CQarnDoc::OnViewGrid() {
    m_bGridShown = !m_bGridShown;
    SetModifiedFlag(true);
    UpdateAllViews(nullptr);
}

// Life cycle.

bool CQarnDoc::OnNewDocument() {
    ForgetUndoHistory();
    if (!CDocument::OnNewDocument()) {
        return false;
    }
    RegisterUndoTarget();
    AddNewCanvas();
    return true;
}

void CQarnDoc::Initialize() {
    m_pCurrentCanvas = m_Canvases.isEmpty() ? nullptr : m_Canvases.first();
    for (CQarnCanvas* canvas : m_Canvases) {
        canvas->Initialize(this);
    }
}

void CQarnDoc::DeleteContents() {
    // The history refers to the contents about to go.
    ForgetUndoHistory();
    m_pConnectionTarget = nullptr;
    qDeleteAll(m_Canvases);
    m_Canvases.clear();
    m_pCurrentCanvas = nullptr;
    qDeleteAll(m_Templates);
    m_Templates.clear();
    CDocument::DeleteContents();
}
