#include "symbol_app.h"

#include "as_main_frame.h"
#include "controls/template_missing_message.h"
#include "core/configuration.h"
#include "core/default_page_size.h"
#include "core/default_properties.h"
#include "core/library_init.h"
#include "platform/window_messages.h"
#include "shapes/template_missing_report.h"
#include "view/default_printer.h"
#include "view/tool.h"

CSymbolApp::CSymbolApp() : CWinApp(QStringLiteral("Symbol Editor")) {}

CSymbolApp::~CSymbolApp() = default;

bool CSymbolApp::InitInstance() {
    SetRegistryKey(QStringLiteral("Ostrovan"));
    QarnDllInitialize();
    // New pages take the printable area of the default printer.
    Qarn::SetDefaultPageSizeProvider(&Qarn::GetPrinterPageSize);
    // Symbols found nowhere are reported with a message box.
    Qarn::SetTemplateMissingReporter(&Qarn::ShowTemplateMissingMessage);
    Qarn::ReadConfig(this);
    Qarn::CreateDefaultProperty();
    // The tools take input from the first view on.
    Qarn::RegisterSelectionTools();
    Qarn::RegisterDrawingTools();
    mainFrame_ = std::make_unique<CASMainFrame>();
    AfxSetMainWnd(mainFrame_.get());
    return true;
}

int CSymbolApp::ExitInstance() {
    mainFrame_.reset();
    // The documents are closed: their histories go with the undo manager.
    QarnDllUninitialize();
    Qarn::ClearTool();
    Qarn::ClearDefaultProperty();
    Qarn::WriteConfig(this);
    return 0;
}
