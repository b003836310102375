#include "inkvane_app.h"

#include "controls/template_missing_message.h"
#include "core/configuration.h"
#include "core/default_page_size.h"
#include "core/default_properties.h"
#include "core/library_init.h"
#include "main_frame.h"
#include "my_qarn_doc.h"
#include "platform/window_messages.h"
#include "shapes/template_missing_report.h"
#include "undo/undo_manager.h"
#include "view/default_printer.h"
#include "view/tool.h"

CInkvaneApp::CInkvaneApp() : CWinApp(QStringLiteral("Inkvane")) {}

CInkvaneApp::~CInkvaneApp() = default;

bool CInkvaneApp::InitInstance(const QString& file) {
    startupSteps_.clear();
    SetRegistryKey(QStringLiteral("Ostrovan"));
    if (!profileOverride_.isEmpty()) {
        SetProfileFile(profileOverride_);
    }
    startupSteps_ << QStringLiteral("settings root");
    // The library's resources and the undo manager.
    QarnDllInitialize();
    startupSteps_ << QStringLiteral("library");
    // New pages take the printable area of the default printer.
    Qarn::SetDefaultPageSizeProvider(&Qarn::GetPrinterPageSize);
    // Symbols found nowhere are reported with a message box.
    Qarn::SetTemplateMissingReporter(&Qarn::ShowTemplateMissingMessage);
    Qarn::SetVizEffect(1);
    Qarn::ReadConfig(this);
    startupSteps_ << QStringLiteral("configuration");
    if (gUndoManager != nullptr) {
        startupSteps_ << QStringLiteral("undo manager");
    }
    Qarn::CreateDefaultProperty();
    startupSteps_ << QStringLiteral("default properties");
    // The tools take input from the first view on.
    Qarn::RegisterSelectionTools();
    Qarn::RegisterDrawingTools();
    startupSteps_ << QStringLiteral("tools");

    mainFrame_ = std::make_unique<CMainFrame>(this);
    AfxSetMainWnd(mainFrame_.get());
    startupSteps_ << QStringLiteral("main frame");

    // The command line: the file it names, or a new drawing.
    if (file.isEmpty() || mainFrame_->OpenDocument(file) == nullptr) {
        mainFrame_->NewDocument();
    }
    startupSteps_ << QStringLiteral("command line");
    return true;
}

int CInkvaneApp::ExitInstance() {
    mainFrame_.reset();
    // The documents are closed: their histories go with the undo manager.
    QarnDllUninitialize();
    Qarn::ClearTool();
    Qarn::ClearDefaultProperty();
    Qarn::WriteConfig(this);
    FlushProfile();
    return 0;
}
