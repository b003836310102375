#include "core/configuration.h"

#include "core/custom_config.h"

namespace Qarn {

namespace {

bool& MouseOverSwitch() {
    static bool handle = true;
    return handle;
}

}  // namespace

CCustomConfig* GetConfig() {
    static CCustomConfig config;
    return &config;
}

void ReadConfig(CWinApp* app) {
    if (app != nullptr) {
        GetConfig()->ReadFromRegistry(app);
    }
}

void WriteConfig(CWinApp* app) {
    if (app != nullptr) {
        GetConfig()->WriteToRegistry(app);
    }
}

int GetVizEffect() {
    return GetConfig()->GetVizEffect();
}
void SetVizEffect(int effect) {
    GetConfig()->SetVizEffect(effect);
}
int GetKeepOnDrawing() {
    return GetConfig()->GetKeepOnDrawing();
}
void SetKeepOnDrawing(int keep) {
    GetConfig()->SetKeepOnDrawing(keep);
}
int GetSmoothingMode() {
    return GetConfig()->GetSmoothingMode();
}
void SetSmoothingMode(int mode) {
    GetConfig()->SetSmoothingMode(mode);
}
int GetGamma() {
    return GetConfig()->GetGamma();
}
void SetGamma(int gamma) {
    GetConfig()->SetGamma(gamma);
}
bool CanUndoAferSaving() {
    return GetConfig()->CanUndoAferSaving();
}
void SetUndoAferSaving(bool canUndo) {
    GetConfig()->SetUndoAferSaving(canUndo);
}
int GetSVGCompatibility() {
    return GetConfig()->GetSVGCompatibility();
}
void SetSVGCompatibility(int dialect) {
    GetConfig()->SetSVGCompatibility(dialect);
}

bool HandleMouseOverEvent() {
    return MouseOverSwitch();
}
void SetHandleMouseOverEvent(bool handle) {
    MouseOverSwitch() = handle;
}

}  // namespace Qarn
