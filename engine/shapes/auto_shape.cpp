// An instance of a symbol: its record, copies, and which template it draws with.
#include "shapes/auto_shape.h"

#include "core/clone_as.h"
#include "core/configuration.h"
#include "core/custom_config.h"
#include "core/doc.h"
#include "core/template_registry.h"
#include "platform/archive.h"
#include "shapes/auto_shape_templ.h"
#include "shapes/template_missing_report.h"

QARN_IMPLEMENT_SERIAL(CQarnAutoShape, CQarnComponent, 0)

namespace {

// Gives the document a copy of the installed template unless it holds one of that number;
// with `refresh` a copy it holds is replaced by a fresh one.
void KeepDocumentCopy(CQarnDoc* doc, CQarnAutoShapeTempl* installed, bool refresh) {
    if (doc == nullptr || installed == nullptr) {
        return;
    }
    if (doc->FindASTemplate(installed->GetTemplateID()) != nullptr && !refresh) {
        return;
    }
    doc->AddTemplate(static_cast<CQarnAutoShapeTempl*>(installed->Clone(nullptr)), refresh);
}

// The template of that number: installed, else the document's copy.
CQarnAutoShapeTempl* FindTemplate(UINT id, const CQarnDoc* doc) {
    if (CQarnAutoShapeTempl* installed = Qarn::FindASTemplate(id)) {
        return installed;
    }
    return doc != nullptr ? doc->FindASTemplate(id) : nullptr;
}

}  // namespace

CQarnAutoShape::CQarnAutoShape() = default;

CQarnAutoShape::CQarnAutoShape(const RectF& rect, UINT templateNumber)
    : CQarnComponent(rect), m_nTemplateNumber(templateNumber) {
    LockRatio(true);
}

// The template.

void CQarnAutoShape::Resolve() const {
    CQarnDoc* doc = GetDocument();
    const UINT stateId = m_nTemplateNumber + m_nCurrentState;
    // The document keeps a copy of whatever installed template it draws with.
    KeepDocumentCopy(doc, Qarn::FindASTemplate(stateId), false);
    CQarnAutoShapeTempl* found = FindTemplate(stateId, doc);
    if (found == nullptr && m_nCurrentState != 0) {
        KeepDocumentCopy(doc, Qarn::FindASTemplate(m_nTemplateNumber), false);
        found = FindTemplate(m_nTemplateNumber, doc);
    }
    m_pTemplate = found;
    m_bResolved = true;
    m_nResolvedGeneration = Qarn::GetTemplateGeneration();
    m_pResolvedDoc = doc;
}

CQarnAutoShapeTempl* CQarnAutoShape::GetTemplate() const {
    if (!m_bResolved || m_nResolvedGeneration != Qarn::GetTemplateGeneration() ||
        m_pResolvedDoc != GetDocument()) {
        Resolve();
    }
    return m_pTemplate;
}

void CQarnAutoShape::SetTemplate(CQarnAutoShapeTempl* templ) {
    m_pTemplate = templ;
    m_bResolved = true;
    m_nResolvedGeneration = Qarn::GetTemplateGeneration();
    m_pResolvedDoc = GetDocument();
    m_bElementsBuilt = false;
}

void CQarnAutoShape::SetCurrentState(UINT state) {
    m_nCurrentState = state;
    m_bResolved = false;
    ResetPath();
}

void CQarnAutoShape::Initialize(CQarnLayer* layer) {
    CQarnComponent::Initialize(layer);
    CQarnDoc* doc = GetDocument();
    const bool refresh = Qarn::GetConfig()->m_nReplaceTemplate != 0;
    KeepDocumentCopy(doc, Qarn::FindASTemplate(m_nTemplateNumber), refresh);
    if (m_nCurrentState != 0) {
        KeepDocumentCopy(doc, Qarn::FindASTemplate(m_nTemplateNumber + m_nCurrentState), refresh);
    }
    Resolve();
    m_bTemplateMissing = m_pTemplate == nullptr;
    if (m_bTemplateMissing) {
        Qarn::ReportTemplateMissing(this);
    }
    ResetPath();
}

QString CQarnAutoShape::GetName() {
    if (m_strName.isEmpty()) {
        if (CQarnAutoShapeTempl* t = GetTemplate()) {
            m_strName = QStringLiteral("%1-%2").arg(t->GetName()).arg(GetID());
        }
    }
    return CQarnComponent::GetName();
}

// Copies and the record.

void CQarnAutoShape::Copy(const CQarnAutoShape* source) {
    if (source == nullptr || source == this) {
        return;
    }
    CQarnComponent::Copy(source);
    m_nReserved = source->m_nReserved;
    m_nTemplateNumber = source->m_nTemplateNumber;
    m_nCurrentState = source->m_nCurrentState;
    SetTemplate(source->GetTemplate());
}

CQarnComponent* CQarnAutoShape::Clone(CQarnLayer* layer) {
    return Qarn::CloneAs(*this, layer);
}

void CQarnAutoShape::Serialize(CArchive& ar) {
    CQarnComponent::Serialize(ar);
    if (ar.IsStoring()) {
        ar << std::int32_t(m_nReserved) << std::uint32_t(m_nTemplateNumber)
           << std::uint32_t(m_nCurrentState) << std::int32_t(0);
        return;
    }
    std::int32_t reserved = 0;
    std::uint32_t number = 0;
    std::uint32_t state = 0;
    std::int32_t ignored = 0;
    ar >> reserved >> number >> state >> ignored;
    m_nReserved = reserved;
    m_nTemplateNumber = number;
    m_nCurrentState = state;
    m_bResolved = false;
    m_bElementsBuilt = false;
}
