#pragma once
// The user's configuration: one object for the life of the library, read from the per-user
// settings (section "Config") at start-up and written back at exit and when preferences are
// confirmed. Preference pages change the public fields directly.

#include <QString>

#include "platform/color.h"
#include "platform/object.h"

class CQarnBrushProperty;
class CWinApp;

class CCustomConfig : public CObject {
    QARN_DECLARE_SERIAL(CCustomConfig)

public:
    static constexpr const char* kSection = "Config";

    CCustomConfig();
    ~CCustomConfig() override;
    CCustomConfig(const CCustomConfig&) = delete;
    CCustomConfig& operator=(const CCustomConfig&) = delete;

    // Every stored setting from the application's settings, each with its default when absent.
    void ReadFromRegistry(CWinApp* app);
    // Every stored setting back to the application's settings.
    void WriteToRegistry(CWinApp* app);

    int GetVizEffect() const { return m_nEditEffect; }
    void SetVizEffect(int effect) { m_nEditEffect = effect; }
    int GetKeepOnDrawing() const { return m_nKeepOnDrawing; }
    void SetKeepOnDrawing(int keep) { m_nKeepOnDrawing = keep; }
    int GetSmoothingMode() const { return m_nDrawQuality; }
    void SetSmoothingMode(int mode) { m_nDrawQuality = mode; }
    int GetGamma() const { return m_nGammaCorrection; }
    void SetGamma(int gamma) { m_nGammaCorrection = gamma; }
    // The stored value "Clear undo information after saving" says whether a save clears the
    // undo history; undo after saving is possible exactly when it is 0.
    // The system's spelling ("Afer").
    bool CanUndoAferSaving() const { return m_nClearUndoAfterSaving == 0; }
    void SetUndoAferSaving(bool canUndo) { m_nClearUndoAfterSaving = canUndo ? 0 : 1; }
    int GetSVGCompatibility() const { return m_nSVGCompatibility; }
    void SetSVGCompatibility(int dialect) { m_nSVGCompatibility = dialect; }
    int GetSVGPrecision() const { return m_nSVGPrecision; }
    void SetSVGPrecision(int decimals) { m_nSVGPrecision = decimals; }

    CQarnBrushProperty* GetViewBrush() const { return m_pViewBrush; }
    CQarnBrushProperty* GetSymbolPanelBrush() const { return m_pSymbolBrush; }

    void Serialize(CArchive& ar) override;

    // Stored settings, in the order of the settings table.
    int m_nDefaultCanvasWidth = 500;
    int m_nDefaultCanvasHeight = 500;
    int m_nPrintableArea = 1;
    int m_nDrawQuality = 2;
    int m_nShowLayerInfo = 1;
    int m_nGammaCorrection = 0;
    int m_nShowGrid = 0;
    int m_nSnapToGrid = 1;
    int m_nAntialiase = 1;
    Color m_clrSymbolText = Color(Color::Black);
    int m_nEditEffect = 0;
    int m_nMaximumUndoStep = 60;
    int m_nXShiftPasting = 10;
    int m_nYShiftPasting = 10;
    int m_nAutoSaveInterval = 15;
    int m_nAllowAutoSave = 1;
    int m_nClearUndoAfterSaving = 1;
    int m_nNavigationEffect = 0;
    int m_nMagnifierWidth = 200;
    int m_nMagnifierHeight = 150;
    int m_nMagnifierRatio = 4;
    int m_nEnableTipInView = 1;
    int m_nTipWithName = 1;
    int m_nTipWithPosition = 0;
    int m_nEnableTipInUI = 1;
    int m_nOutputUnicodeSVG = 0;
    int m_nSaveSVGPicturesLocally = 1;
    int m_nSVGCompatibility = 1100;
    int m_nDrawBackground = 1;
    // Whether "Line & Fill" on several components edits them together; kept in the record
    // only, never read from or written to the settings.
    int m_nMultiEdit = 1;
    int m_nDrawTightBound = 1;
    int m_nUseSVGAnchor = 0;
    int m_nSVGPrecision = 2;
    int m_nEMFExportType = 2;
    int m_nJPGCompression = 100;
    int m_nExportSelectionToEPS = 0;
    QString m_strPSPrinter = QStringLiteral("Invalid");
    QString m_strPDFPrinter = QStringLiteral("Invalid");
    int m_nWelcomeFuture = 1;
    int m_nReplaceTemplate = 0;
    QString m_strActiveProfile;

    // Not stored: whether a drawing tool stays current after one shape.
    int m_nKeepOnDrawing = 0;

private:
    CQarnBrushProperty* m_pViewBrush;
    CQarnBrushProperty* m_pSymbolBrush;
};
