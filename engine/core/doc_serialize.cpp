// The document record and the document's file life cycle.
#include "core/canvas.h"
#include "core/configuration.h"
#include "core/doc.h"
#include "platform/archive.h"
#include "undo/undo_manager.h"

namespace {

// The busy flag stays set while the document writes itself, whatever happens.
class BusyScope {
public:
    explicit BusyScope(CQarnDoc& doc) : doc_(doc), was_(doc.IsBusy()) { doc_.SetBusy(true); }
    ~BusyScope() { doc_.SetBusy(was_); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    CQarnDoc& doc_;
    bool was_;
};

}  // namespace

void CQarnDoc::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        BusyScope busy(*this);
        ar << m_strVersion << std::int32_t(m_nMapMode) << std::uint32_t(0) << std::uint32_t(0)
           << std::uint32_t(0) << std::uint32_t(0) << std::uint32_t(m_dwGridColor)
           << std::int32_t(m_nGridStyle) << std::int32_t(m_nGridSize)
           << std::uint32_t(m_dwReservedKept) << std::uint32_t(m_nNextID) << std::uint32_t(0)
           << std::uint32_t(1);
        ar.WriteObjectList(m_Canvases);
        ar.WriteObjectList(m_Templates);
        // Embedded objects are written once documents can hold them.
        ar << std::uint32_t(0);
        return;
    }
    std::int32_t mapMode = 0;
    std::uint32_t ignored = 0;
    std::uint32_t gridColor = 0;
    std::int32_t gridStyle = 0;
    std::int32_t gridSize = 0;
    std::uint32_t reserved = 0;
    std::uint32_t nextId = 0;
    std::uint32_t templatesPresent = 0;
    ar >> m_strVersion >> mapMode >> ignored >> ignored >> ignored >> ignored >> gridColor >>
        gridStyle >> gridSize >> reserved >> nextId >> ignored >> templatesPresent;
    m_nMapMode = mapMode;
    m_dwGridColor = gridColor;
    m_nGridStyle = gridStyle;
    m_nGridSize = gridSize;
    m_dwReservedKept = reserved;
    m_nNextID = nextId;
    m_bTemplatesPresent = templatesPresent != 0;
    ar.ReadObjectList(m_Canvases);
    if (m_bTemplatesPresent) {
        ar.ReadObjectList(m_Templates);
    }
    std::uint32_t embedded = 0;
    ar >> embedded;
    if (embedded != 0) {
        ar.Fail(QStringLiteral("the document holds %1 embedded objects, which cannot be read")
                    .arg(embedded));
    }
    if (m_Canvases.isEmpty()) {
        ar.Fail(QStringLiteral("the document has no page"));
    }
    for (CQarnCanvas* canvas : m_Canvases) {
        if (canvas->GetLayers().isEmpty()) {
            ar.Fail(QStringLiteral("a page of the document has no layer"));
        }
    }
    Initialize();
}

bool CQarnDoc::OnOpenDocument(const QString& path, QString* error) {
    ForgetUndoHistory();
    if (!CDocument::OnOpenDocument(path, error)) {
        return false;
    }
    RegisterUndoTarget();
    OnPageChange();
    return true;
}

bool CQarnDoc::OnSaveDocument(const QString& path, QString* error) {
    if (gUndoManager != nullptr && !Qarn::CanUndoAferSaving()) {
        gUndoManager->ClearTarget(this);
    }
    if (!CDocument::OnSaveDocument(path, error)) {
        return false;
    }
    // The saved state is the present one: undoing from here makes the document modified.
    if (gUndoManager != nullptr) {
        gUndoManager->TargetCleaned(this);
    }
    return true;
}
