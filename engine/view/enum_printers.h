#pragma once
// The system's printers (through Qt's print support, CUPS here), in the order the system
// lists them, and the printer choice the programs keep in the settings section
// "PrinterConfig". A printer is chosen on a QPrinter, which stands for the device mode and
// device names of a print dialog.

#include <QList>
#include <QPrinterInfo>
#include <QString>

class CWinApp;
class QPrinter;

class CEnumPrinters {
public:
    // Reads the printers at once (ReadLocalPrinters).
    CEnumPrinters();

    void ReadLocalPrinters();
    int GetPrinterCount() const { return int(m_Printers.size()); }
    // Each answers "Error" for an index past the end.
    QString GetPrinterName(int index) const;
    QString GetPrinterLocation(int index) const;
    QString GetPrinterShareName(int index) const;
    QString GetPrinterPortName(int index) const;
    QString GetDriver(int index) const;

    // The index of the printer the QPrinter is set to (the default printer when it names none),
    // or -1.
    int IdentifyCurrentPrinter(const QPrinter& printer) const;
    // Sets the QPrinter to the printer of that index; false for a bad index or a printer that
    // cannot be used.
    bool SetNewPrinter(QPrinter& printer, int index) const;
    static bool SetNewPrinter(QPrinter& printer, const QString& name);

    // Writes the printer's name and orientation to "PrinterConfig".
    static bool SavePrinterSelection(const QPrinter& printer, CWinApp* app);
    // Selects the saved printer when it is still installed and sets its orientation. False,
    // without a message, when nothing different was saved; false after the warning
    // (kPrinterGoneMessage) when the saved printer is no longer installed.
    bool RestorePrinterSelection(QPrinter& printer, CWinApp* app) const;
    // 1 portrait, 2 landscape; false (and nothing changes) for any other value.
    static bool SetPrintOrientation(QPrinter& printer, int orientation);
    // 1 when the printer speaks PostScript, else 0.
    int QueryPSSupport(int index) const;

    static const char* const kPrinterGoneMessage;
    static const char* const kSection;

private:
    QList<QPrinterInfo> m_Printers;
};
