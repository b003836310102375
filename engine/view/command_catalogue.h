#pragma once
// What every command of the drawing windows looks like: its menu text (with its mnemonic),
// the text of the status bar and tooltip, its icon and its shortcuts. Both programs build
// their menus and toolbars from it; a window makes one QAction per command (CQarnCommandSet).

#include <QKeySequence>
#include <QList>
#include <QString>

struct CQarnCommandInfo {
    unsigned int id = 0;
    // The menu text, "&" marking the mnemonic.
    QString text;
    // What the status bar says while the pointer is on the command; also its tooltip.
    QString statusTip;
    // The icon's name in the library's icons (":/icons/<name>.svg"); empty for none.
    QString icon;
    // The first is shown in menus; all of them work.
    QList<QKeySequence> shortcuts;
    // A command that is on or off (a tool, a shown bar, snapping).
    bool checkable = false;
};

class CQarnCommandCatalogue {
public:
    // The command of that id; for a shape kind of the registry, a command named after its kind
    // word; null for an unknown id.
    static const CQarnCommandInfo* Find(unsigned int id);
    // Every command of the table (shape kinds not included).
    static const QList<CQarnCommandInfo>& All();
    // The menu text without its mnemonic mark ("&Undo" -> "Undo").
    static QString PlainText(const CQarnCommandInfo& info);
};
