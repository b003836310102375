#pragma once
// Template files (".tpl"): the symbols a symbol editor exports and the symbol panel installs.
// The file is an archive without a document header: five strings (the description, which is
// the file's title, then the author, e-mail, company and web page), three 32-bit integers
// written as 0, and an object list of templates. Files are passed around, so a reader trusts
// nothing in them: a damaged, truncated or hostile file ends the load with one error and adds
// nothing.

#include <QByteArray>
#include <QString>

#include "shapes/auto_shape_templ.h"

// Who made the symbols of a file and what they are.
struct CQarnTemplateFileInfo {
    QString description;  // the file's title
    QString author;
    QString email;
    QString company;
    QString webPage;
};

namespace Qarn {

// The filter of the symbol editor's export dialog and the extension it adds.
inline constexpr const char* kTemplateFileFilter =
    "Autoshape Template (*.tpl)|*.tpl|All Files (*.*)|*.*||";
inline constexpr const char* kTemplateFileExtension = "tpl";
// No symbol file comes near this; a larger file is refused before it is read.
inline constexpr qint64 kMaxTemplateFileSize = qint64(64) * 1024 * 1024;

// Reads a template file's bytes. On success the templates are appended to the list (which
// then owns them) and the header is filled in; on failure nothing is added and *error says
// what is wrong and at which byte.
bool ReadTemplateFile(const QByteArray& bytes, CQarnTemplateList& list, CQarnTemplateFileInfo* info,
                      QString* error);
// The bytes of a template file holding the templates in order.
QByteArray WriteTemplateFile(const CQarnTemplateList& list, const CQarnTemplateFileInfo& info);

// Reads the file into the list and its title: 1 on success; 0 when the file cannot be opened
// or is not a sound template file, which adds nothing (*error names the file and the reason).
int LoadTemplateListFromFile(const QString& path, CQarnTemplateList& list, QString& title,
                             QString* error = nullptr);
// Writes the file whole; an earlier file of that name stays as it was unless the write
// completes. False with *error naming the file and the reason.
bool SaveTemplateListToFile(const QString& path, const CQarnTemplateList& list,
                            const CQarnTemplateFileInfo& info, QString* error = nullptr);

}  // namespace Qarn
