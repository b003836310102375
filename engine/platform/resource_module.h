#pragma once
// A module's resources, as far as this system needs them: its table of translatable strings.
// One module is current for the thread; code that needs a string asks the current module, so
// a library can make its own module current while it builds its dialogs and texts.

#include <QHash>
#include <QString>

#include "platform/win_types.h"

class CResourceModule {
public:
    explicit CResourceModule(const QString& name);

    const QString& GetName() const { return name_; }
    void SetString(UINT id, const QString& text);
    bool HasString(UINT id) const { return strings_.contains(id); }
    // The string of that id, or an empty string.
    QString GetString(UINT id) const { return strings_.value(id); }

private:
    QString name_;
    QHash<UINT, QString> strings_;
};

// The module whose resources are used now (null until a program or library sets one).
CResourceModule* AfxGetResourceHandle();
void AfxSetResourceHandle(CResourceModule* module);

// A string of the current module (empty when it has none).
QString LoadResourceString(UINT id);
