#include "export/svg_export_context.h"

namespace {

CSvgExportContext*& CurrentContext() {
    static CSvgExportContext* current = nullptr;
    return current;
}

}  // namespace

CSvgExportContext::CSvgExportContext(const QString& folder)
    : folder_(folder), previous_(CurrentContext()) {
    CurrentContext() = this;
}

CSvgExportContext::~CSvgExportContext() {
    CurrentContext() = previous_;
}

CSvgExportContext* CSvgExportContext::Current() {
    return CurrentContext();
}
