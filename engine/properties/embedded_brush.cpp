#include "properties/embedded_brush.h"

#include <memory>

#include "platform/archive.h"
#include "properties/brush_property.h"

namespace Qarn {

void WriteBrushFlag(CArchive& ar, const CQarnBasicBrushProperty* brush) {
    const bool full = brush != nullptr && brush->IsKindOf(RUNTIME_CLASS(CQarnBrushProperty));
    ar << std::uint8_t(full ? 1 : 0);
}

CQarnBasicBrushProperty* NewBrushForFlag(unsigned char flag) {
    if (flag == 1) {
        return new CQarnBrushProperty();
    }
    return new CQarnBasicBrushProperty();
}

void AdoptOwnedBrush(CQarnBasicBrushProperty*& slot, CQarnBasicBrushProperty* brush) {
    if (brush == slot) {
        return;
    }
    if (slot != nullptr) {
        slot->Remove();
    }
    slot = brush;
    if (slot != nullptr) {
        slot->SetRefCount(1);
    }
}

void StoreEmbeddedBrush(CArchive& ar, CQarnBasicBrushProperty* brush) {
    WriteBrushFlag(ar, brush);
    ar.SerializeEmbedded(*brush);
}

CQarnBasicBrushProperty* LoadEmbeddedBrush(CArchive& ar) {
    std::uint8_t flag = 0;
    ar >> flag;
    std::unique_ptr<CQarnBasicBrushProperty> brush(NewBrushForFlag(flag));
    ar.SerializeEmbedded(*brush);
    return brush.release();
}

}  // namespace Qarn
