#pragma once
// The commands of one window: one QAction per command id, made from the catalogue. A command
// does something only once a handler is given for it; until then it is disabled, so no menu
// entry or button silently does nothing. Each command may have an update rule that says
// whether it is enabled and checked; Refresh() applies them all (called when the selection,
// the document or the tool changes, never on a timer).

#include <QHash>
#include <QList>
#include <QObject>
#include <functional>

class QAction;
class QMenu;
class QToolBar;

struct CQarnCommandState {
    bool enabled = true;
    bool checked = false;
};

class CQarnCommandSet : public QObject {
    Q_OBJECT

public:
    using Handler = std::function<void(unsigned int id)>;
    using UpdateRule = std::function<CQarnCommandState(unsigned int id)>;

    explicit CQarnCommandSet(QObject* parent = nullptr);

    // The action of the command, made on first use (null for an id the catalogue lacks). Its
    // object name is "command-<id>"; its shortcuts work wherever the window has focus.
    QAction* Action(unsigned int id);
    // What the command does when triggered; an empty handler disables it again.
    void SetHandler(unsigned int id, Handler handler);
    void SetUpdateRule(unsigned int id, UpdateRule rule);
    // The same handler (and rule) for a range of ids (tools, line widths, ...).
    void SetHandler(unsigned int first, unsigned int last, const Handler& handler);
    void SetUpdateRule(unsigned int first, unsigned int last, const UpdateRule& rule);
    bool HasHandler(unsigned int id) const { return m_Handlers.contains(id); }

    // Applies every update rule; a command without a handler stays disabled.
    void Refresh();
    // Runs the command as if the user chose it (when it is enabled); false otherwise.
    bool Trigger(unsigned int id);

    // Appends the commands to a menu or toolbar; 0 in the list is a separator.
    void AddTo(QMenu* menu, const QList<unsigned int>& ids);
    void AddTo(QToolBar* bar, const QList<unsigned int>& ids);
    QList<unsigned int> Ids() const { return m_Actions.keys(); }

private:
    void Apply(unsigned int id, QAction* action);

    QHash<unsigned int, QAction*> m_Actions;
    QHash<unsigned int, Handler> m_Handlers;
    QHash<unsigned int, UpdateRule> m_Rules;
};
