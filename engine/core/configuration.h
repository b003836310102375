#pragma once
// The library-wide configuration and switches, reached from anywhere in the library.

class CCustomConfig;
class CWinApp;

namespace Qarn {

CCustomConfig* GetConfig();
// Every setting from the application's per-user settings, defaults where absent.
void ReadConfig(CWinApp* app);
// Every setting back to the application's per-user settings.
void WriteConfig(CWinApp* app);

int GetVizEffect();
void SetVizEffect(int effect);
int GetKeepOnDrawing();
void SetKeepOnDrawing(int keep);
int GetSmoothingMode();
void SetSmoothingMode(int mode);
int GetGamma();
void SetGamma(int gamma);
// "Afer" is the system's own spelling of these two names; callers know them by it.
bool CanUndoAferSaving();
void SetUndoAferSaving(bool canUndo);
int GetSVGCompatibility();
void SetSVGCompatibility(int dialect);

// Whether views handle mouse-over events (not stored; on by default).
bool HandleMouseOverEvent();
void SetHandleMouseOverEvent(bool handle);

}  // namespace Qarn
