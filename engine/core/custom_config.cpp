#include "core/custom_config.h"

#include "core/system_helpers.h"
#include "core/value_archive.h"
#include "platform/archive.h"
#include "platform/win_app.h"
#include "properties/brush_property.h"

QARN_IMPLEMENT_SERIAL(CCustomConfig, CObject, 0)

namespace {

struct IntSetting {
    const char* name;
    int CCustomConfig::*field;
    int defaultValue;
};

// The integer settings kept in fields of their own, with their stored names and the defaults
// used when a value is absent.
const IntSetting kIntSettings[] = {
    {"Default Canvas Width", &CCustomConfig::m_nDefaultCanvasWidth, 500},
    {"Default Canvas Height", &CCustomConfig::m_nDefaultCanvasHeight, 500},
    {"Printable Area", &CCustomConfig::m_nPrintableArea, 1},
    {"Draw Quality", &CCustomConfig::m_nDrawQuality, 2},
    {"Show Layer Info", &CCustomConfig::m_nShowLayerInfo, 1},
    {"Gamma Correction", &CCustomConfig::m_nGammaCorrection, 0},
    {"Show Grid", &CCustomConfig::m_nShowGrid, 0},
    {"Snap to Grid", &CCustomConfig::m_nSnapToGrid, 1},
    {"Antialiase", &CCustomConfig::m_nAntialiase, 1},
    {"Edit Effect", &CCustomConfig::m_nEditEffect, 1},
    {"Maximum Undo Step", &CCustomConfig::m_nMaximumUndoStep, 60},
    {"X Shift when pasting", &CCustomConfig::m_nXShiftPasting, 10},
    {"Y Shift when pasting", &CCustomConfig::m_nYShiftPasting, 10},
    {"Auto save interval", &CCustomConfig::m_nAutoSaveInterval, 15},
    {"Allow auto save ", &CCustomConfig::m_nAllowAutoSave, 1},
    {"Clear undo information after saving", &CCustomConfig::m_nClearUndoAfterSaving, 1},
    {"Navigation Effect", &CCustomConfig::m_nNavigationEffect, 1},
    {"Magnifier Window Width", &CCustomConfig::m_nMagnifierWidth, 200},
    {"Magnifier Window Height", &CCustomConfig::m_nMagnifierHeight, 150},
    {"Magnifier Ratio", &CCustomConfig::m_nMagnifierRatio, 4},
    {"Enable Tip in View", &CCustomConfig::m_nEnableTipInView, 1},
    {"Tip w. Name", &CCustomConfig::m_nTipWithName, 1},
    {"Tip w. Position", &CCustomConfig::m_nTipWithPosition, 0},
    {"Enable Tip in UI", &CCustomConfig::m_nEnableTipInUI, 1},
    {"Output UNICODE SVG", &CCustomConfig::m_nOutputUnicodeSVG, 0},
    {"Save SVG pictures locally", &CCustomConfig::m_nSaveSVGPicturesLocally, 1},
    {"SVG compatibility", &CCustomConfig::m_nSVGCompatibility, 1100},
    {"Draw Background", &CCustomConfig::m_nDrawBackground, 1},
    {"Draw tight bound", &CCustomConfig::m_nDrawTightBound, 1},
    {"Use SVG Anchor", &CCustomConfig::m_nUseSVGAnchor, 0},
    {"SVG Precision", &CCustomConfig::m_nSVGPrecision, 2},
    {"EMF export type", &CCustomConfig::m_nEMFExportType, 2},
    {"JPG compression factor", &CCustomConfig::m_nJPGCompression, 100},
    {"Export Selection To EPS", &CCustomConfig::m_nExportSelectionToEPS, 0},
    {"Welcome Future", &CCustomConfig::m_nWelcomeFuture, 1},
    {"Replace Template", &CCustomConfig::m_nReplaceTemplate, 1},
};

// A background brush whose colours, type and sub-type are four stored values.
struct BrushSettings {
    const char* color1;
    COLORREF color1Default;
    const char* color2;
    COLORREF color2Default;
    const char* type;
    int typeDefault;
    const char* subType;
    int subTypeDefault;
};

constexpr BrushSettings kViewBrush = {"View color1",     0xFFC850, "View color2",      4204564,
                                      "View Brush Type", 4,        "View Linear Type", 2};
constexpr BrushSettings kSymbolBrush = {
    "Symbol Panel Color1", 0xE4FFA0, "Symbol Panel Color2", 5923910,
    "Symbol Brush Type",   4,        "Symbol Linear Type",  2};

constexpr const char* kSymbolTextColor = "Symbol Text color";
constexpr const char* kPSPrinter = "PS Printer";
constexpr const char* kPDFPrinter = "PDF Printer";
constexpr const char* kActiveProfile = "Active Profile";

QString Name(const char* name) {
    return QString::fromLatin1(name);
}
const QString kSectionName = QString::fromLatin1(CCustomConfig::kSection);

QString DefaultActiveProfile() {
    return Qarn::GetBinDirectory() + QStringLiteral("Profiles/default.spf");
}

Color ReadColor(CWinApp* app, const char* name, COLORREF defaultValue) {
    return Color::FromCOLORREF(app->GetProfileInt(kSectionName, Name(name), int(defaultValue)));
}

void WriteColor(CWinApp* app, const char* name, const Color& color) {
    app->WriteProfileInt(kSectionName, Name(name), int(color.ToCOLORREF()));
}

void ReadBrush(CWinApp* app, const BrushSettings& s, CQarnBrushProperty* brush) {
    brush->SetColor1(ReadColor(app, s.color1, s.color1Default));
    brush->SetColor2(ReadColor(app, s.color2, s.color2Default));
    brush->SetBrushType(BYTE(app->GetProfileInt(kSectionName, Name(s.type), s.typeDefault)));
    brush->SetQarnBrushType(
        WORD(app->GetProfileInt(kSectionName, Name(s.subType), s.subTypeDefault)));
}

void WriteBrush(CWinApp* app, const BrushSettings& s, const CQarnBrushProperty* brush) {
    WriteColor(app, s.color1, brush->GetColor1());
    WriteColor(app, s.color2, brush->GetColor2());
    app->WriteProfileInt(kSectionName, Name(s.type), brush->GetBrushType());
    app->WriteProfileInt(kSectionName, Name(s.subType), brush->GetQarnBrushType());
}

CQarnBrushProperty* NewBackgroundBrush(BYTE type, ARGB color1, ARGB color2, WORD subType) {
    auto* brush = new CQarnBrushProperty();
    brush->SetRefCount(1);
    brush->SetBrushType(type);
    brush->SetColor1(Color(color1));
    brush->SetColor2(Color(color2));
    brush->SetQarnBrushType(subType);
    return brush;
}

}  // namespace

CCustomConfig::CCustomConfig()
    : m_strActiveProfile(DefaultActiveProfile()),
      m_pViewBrush(NewBackgroundBrush(0, 0xFFC850, 4204564, 2)),
      m_pSymbolBrush(NewBackgroundBrush(4, 0xE4FFA0, 5923910, 2)) {}

CCustomConfig::~CCustomConfig() {
    m_pViewBrush->Remove();
    m_pSymbolBrush->Remove();
}

void CCustomConfig::ReadFromRegistry(CWinApp* app) {
    for (const IntSetting& s : kIntSettings) {
        this->*s.field = int(app->GetProfileInt(kSectionName, Name(s.name), s.defaultValue));
    }
    m_clrSymbolText = ReadColor(app, kSymbolTextColor, 0);
    ReadBrush(app, kViewBrush, m_pViewBrush);
    ReadBrush(app, kSymbolBrush, m_pSymbolBrush);
    m_strPSPrinter =
        app->GetProfileString(kSectionName, Name(kPSPrinter), QStringLiteral("Invalid"));
    m_strPDFPrinter =
        app->GetProfileString(kSectionName, Name(kPDFPrinter), QStringLiteral("Invalid"));
    m_strActiveProfile =
        app->GetProfileString(kSectionName, Name(kActiveProfile), DefaultActiveProfile());
}

void CCustomConfig::WriteToRegistry(CWinApp* app) {
    for (const IntSetting& s : kIntSettings) {
        app->WriteProfileInt(kSectionName, Name(s.name), this->*s.field);
    }
    WriteColor(app, kSymbolTextColor, m_clrSymbolText);
    WriteBrush(app, kViewBrush, m_pViewBrush);
    WriteBrush(app, kSymbolBrush, m_pSymbolBrush);
    app->WriteProfileString(kSectionName, Name(kPSPrinter), m_strPSPrinter);
    app->WriteProfileString(kSectionName, Name(kPDFPrinter), m_strPDFPrinter);
    app->WriteProfileString(kSectionName, Name(kActiveProfile), m_strActiveProfile);
    app->FlushProfile();
}

// Not part of any document file; this layout is the configuration's own: the integer
// settings in table order, the symbol text colour, the two background brushes (colours,
// type, sub-type), the three strings and the keep-on-drawing switch.
void CCustomConfig::Serialize(CArchive& ar) {
    auto serializeBrush = [&ar](CQarnBrushProperty* brush) {
        if (ar.IsStoring()) {
            ar << brush->GetColor1() << brush->GetColor2() << brush->GetBrushType()
               << std::uint16_t(brush->GetQarnBrushType());
            return;
        }
        Color c1;
        Color c2;
        BYTE type = 0;
        std::uint16_t subType = 0;
        ar >> c1 >> c2 >> type >> subType;
        brush->SetColor1(c1);
        brush->SetColor2(c2);
        brush->SetBrushType(type);
        brush->SetQarnBrushType(subType);
    };
    for (const IntSetting& s : kIntSettings) {
        if (ar.IsStoring()) {
            ar << std::int32_t(this->*s.field);
        } else {
            std::int32_t v = 0;
            ar >> v;
            this->*s.field = v;
        }
    }
    if (ar.IsStoring()) {
        ar << m_clrSymbolText;
    } else {
        ar >> m_clrSymbolText;
    }
    serializeBrush(m_pViewBrush);
    serializeBrush(m_pSymbolBrush);
    if (ar.IsStoring()) {
        ar << m_strPSPrinter << m_strPDFPrinter << m_strActiveProfile
           << std::int32_t(m_nKeepOnDrawing);
    } else {
        std::int32_t keep = 0;
        ar >> m_strPSPrinter >> m_strPDFPrinter >> m_strActiveProfile >> keep;
        m_nKeepOnDrawing = keep;
    }
}
