#pragma once
// The drawing application object: start-up and shut-down of the library around the main
// frame, and the application's per-user settings ("Ostrovan\Inkvane").

#include <QString>
#include <QStringList>
#include <memory>

#include "platform/win_app.h"

class CMainFrame;

class CInkvaneApp : public CWinApp {
public:
    CInkvaneApp();
    ~CInkvaneApp() override;

    // Starts the library, creates the main frame and opens the file (a new drawing when
    // none is given); false when start-up cannot go on.
    bool InitInstance(const QString& file = QString());
    // Saves the configuration and releases what the library holds for the program.
    int ExitInstance();

    CMainFrame* GetMainFrame() const { return mainFrame_.get(); }
    // The settings go to this file instead of the user's (tests); applied by InitInstance.
    void UseProfileFile(const QString& path) { profileOverride_ = path; }
    // The steps of start-up in the order they were taken.
    const QStringList& GetStartupSteps() const { return startupSteps_; }

private:
    std::unique_ptr<CMainFrame> mainFrame_;
    QString profileOverride_;
    QStringList startupSteps_;
};
