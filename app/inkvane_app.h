#pragma once
// The drawing application object: start-up and shut-down of the library around the main
// frame, and the application's per-user settings ("Ostrovan\Inkvane").

#include <memory>

#include "platform/win_app.h"

class CMainFrame;

class CInkvaneApp : public CWinApp {
public:
    CInkvaneApp();
    ~CInkvaneApp() override;

    // Starts the library and creates the main frame; false when start-up cannot go on.
    bool InitInstance();
    // Saves the configuration and releases what the library holds for the program.
    int ExitInstance();

    CMainFrame* GetMainFrame() const { return mainFrame_.get(); }

private:
    std::unique_ptr<CMainFrame> mainFrame_;
};
