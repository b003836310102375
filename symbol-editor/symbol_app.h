#pragma once
// The symbol editor's application object: the library's start-up around the main frame, and
// the editor's per-user settings ("Ostrovan\Symbol Editor").

#include <memory>

#include "platform/win_app.h"

class CASMainFrame;

class CSymbolApp : public CWinApp {
public:
    CSymbolApp();
    ~CSymbolApp() override;

    bool InitInstance();
    int ExitInstance();

    CASMainFrame* GetMainFrame() const { return mainFrame_.get(); }

private:
    std::unique_ptr<CASMainFrame> mainFrame_;
};
