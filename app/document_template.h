#pragma once
// The drawing application's one kind of document: the strings that name it (window title,
// document name, file filter and extension, registry file type) and the names untitled
// documents take ("Qarn1", "Qarn2", ...).

#include <QString>
#include <QStringList>

class CQarnDocTemplate {
public:
    // The fields of the template string, in their order.
    enum DocStringIndex {
        windowTitle = 0,
        docName,
        fileNewName,
        filterName,
        filterExt,
        regFileTypeId,
        regFileTypeName,
        macFileType,
        shortFilterName,
    };

    // The template string of the drawing documents.
    static QString TemplateString();

    explicit CQarnDocTemplate(const QString& templateString = TemplateString());

    // The field, empty when the string has fewer fields.
    QString GetDocString(DocStringIndex index) const;
    // The file dialogs' filter ("Qarn Files (*.met)").
    QString GetFilter() const { return GetDocString(filterName); }
    // The extension with its dot (".met").
    QString GetExtension() const { return GetDocString(filterExt); }
    // The path with the template's extension added when it has none.
    QString WithExtension(const QString& path) const;
    // The title of the next untitled document: the document name and a counter from 1.
    QString NextUntitledTitle();

private:
    QStringList m_Fields;
    int m_nUntitled = 0;
};
