// The document record and the document's file life cycle.
#include <utility>

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
    // A file that cannot be read leaves the document, its history and its settings alone.
    if (!CDocument::OnOpenDocument(path, error)) {
        return false;
    }
    RegisterUndoTarget();
    return true;
}

void CQarnDoc::OnContentsReplacing() {
    ForgetUndoHistory();
}

void CQarnDoc::SwapContents(CDocument& other) {
    if (!other.IsKindOf(RUNTIME_CLASS(CQarnDoc))) {
        return;
    }
    auto& read = static_cast<CQarnDoc&>(other);
    // Everything the document record holds changes hands; the settings of this program
    // (default and print size, margins) stay.
    std::swap(m_strVersion, read.m_strVersion);
    std::swap(m_dwReserved, read.m_dwReserved);
    std::swap(m_nNextID, read.m_nNextID);
    std::swap(m_dwGridColor, read.m_dwGridColor);
    std::swap(m_nGridSize, read.m_nGridSize);
    std::swap(m_nGridStyle, read.m_nGridStyle);
    std::swap(m_bGridShown, read.m_bGridShown);
    std::swap(m_bCanvasFlag, read.m_bCanvasFlag);
    std::swap(m_rcEmpty, read.m_rcEmpty);
    std::swap(m_bSecondFlag, read.m_bSecondFlag);
    std::swap(m_pCurrentCanvas, read.m_pCurrentCanvas);
    std::swap(m_Canvases, read.m_Canvases);
    std::swap(m_nMapMode, read.m_nMapMode);
    std::swap(m_Templates, read.m_Templates);
    std::swap(m_bFlag, read.m_bFlag);
    std::swap(m_bTemplatesPresent, read.m_bTemplatesPresent);
    std::swap(m_dwReservedKept, read.m_dwReservedKept);
    for (CQarnCanvas* canvas : m_Canvases) {
        canvas->SetDocument(this);
    }
    for (CQarnCanvas* canvas : read.m_Canvases) {
        canvas->SetDocument(&read);
    }
    // The old contents are still alive (they leave with the other document): whoever shows
    // this document lets go of them and takes up the new ones.
    m_pConnectionTarget = nullptr;
    NotifyPageChanged(m_pCurrentCanvas, Qarn::PageChange::Reloaded);
}

bool CQarnDoc::OnSaveDocument(const QString& path, QString* error) {
    if (!CDocument::OnSaveDocument(path, error)) {
        // The file was not written: the history still leads back to the last saved state.
        return false;
    }
    if (gUndoManager != nullptr) {
        if (!Qarn::CanUndoAferSaving()) {
            gUndoManager->ClearTarget(this);
        }
        // The saved state is the present one: undoing from here makes the document modified.
        gUndoManager->TargetCleaned(this);
    }
    return true;
}
