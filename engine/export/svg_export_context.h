#pragma once
// The state of one SVG export: the definitions already written, the number format and the
// folder pictures are saved beside. A document export makes one current for its duration;
// a component exported on its own (the SVG clipboard format) gets a fresh one.

#include <QString>

#include "export/svg_definitions.h"
#include "export/svg_number_format.h"
#include "export/svg_picture_folder.h"

class CSvgExportContext {
public:
    explicit CSvgExportContext(const QString& folder = QString());
    ~CSvgExportContext();
    CSvgExportContext(const CSvgExportContext&) = delete;
    CSvgExportContext& operator=(const CSvgExportContext&) = delete;

    // The context of the export running now, or null.
    static CSvgExportContext* Current();

    CSvgDefinitions& Definitions() { return definitions_; }
    const CSvgNumberFormat& Format() const { return format_; }
    const QString& Folder() const { return folder_; }
    CSvgPictureFolder& Pictures() { return pictures_; }

private:
    CSvgDefinitions definitions_;
    CSvgNumberFormat format_;
    QString folder_;
    CSvgPictureFolder pictures_;
    CSvgExportContext* previous_;
};
