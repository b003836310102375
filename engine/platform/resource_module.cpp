#include "platform/resource_module.h"

CResourceModule::CResourceModule(const QString& name) : name_(name) {}

void CResourceModule::SetString(UINT id, const QString& text) {
    strings_.insert(id, text);
}

namespace {

CResourceModule*& CurrentModule() {
    static CResourceModule* current = nullptr;
    return current;
}

}  // namespace

CResourceModule* AfxGetResourceHandle() {
    return CurrentModule();
}

void AfxSetResourceHandle(CResourceModule* module) {
    CurrentModule() = module;
}

QString LoadResourceString(UINT id) {
    CResourceModule* module = AfxGetResourceHandle();
    return module ? module->GetString(id) : QString();
}
