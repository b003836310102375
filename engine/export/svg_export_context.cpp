#include "export/svg_export_context.h"

#include "core/configuration.h"
#include "core/custom_config.h"

namespace {

CSvgExportContext*& CurrentContext() {
    static CSvgExportContext* current = nullptr;
    return current;
}

}  // namespace

CSvgExportContext::CSvgExportContext(const QString& folder)
    : folder_(folder),
      pictures_(folder, Qarn::GetConfig()->m_nSaveSVGPicturesLocally != 0),
      previous_(CurrentContext()) {
    CurrentContext() = this;
}

CSvgExportContext::~CSvgExportContext() {
    CurrentContext() = previous_;
}

CSvgExportContext* CSvgExportContext::Current() {
    return CurrentContext();
}
