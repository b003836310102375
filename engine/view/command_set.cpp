#include "view/command_set.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QToolBar>

#include "view/command_catalogue.h"

CQarnCommandSet::CQarnCommandSet(QObject* parent) : QObject(parent) {}

QAction* CQarnCommandSet::Action(unsigned int id) {
    if (QAction* action = m_Actions.value(id)) {
        return action;
    }
    const CQarnCommandInfo* info = CQarnCommandCatalogue::Find(id);
    if (info == nullptr) {
        return nullptr;
    }
    auto* action = new QAction(info->text, this);
    action->setObjectName(QStringLiteral("command-%1").arg(id));
    action->setStatusTip(info->statusTip);
    action->setToolTip(info->statusTip.isEmpty() ? CQarnCommandCatalogue::PlainText(*info)
                                                 : info->statusTip);
    if (!info->icon.isEmpty()) {
        action->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(info->icon)));
    }
    action->setShortcuts(info->shortcuts);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setCheckable(info->checkable);
    action->setEnabled(false);
    connect(action, &QAction::triggered, this, [this, id, action] {
        if (Handler handler = m_Handlers.value(id)) {
            handler(id);
        }
        // A checkable action toggled itself; the rule says what it really is now.
        Apply(id, action);
    });
    m_Actions.insert(id, action);
    Apply(id, action);
    return action;
}

void CQarnCommandSet::SetHandler(unsigned int id, Handler handler) {
    if (handler) {
        m_Handlers.insert(id, std::move(handler));
    } else {
        m_Handlers.remove(id);
    }
    if (QAction* action = m_Actions.value(id)) {
        Apply(id, action);
    }
}

void CQarnCommandSet::SetUpdateRule(unsigned int id, UpdateRule rule) {
    if (rule) {
        m_Rules.insert(id, std::move(rule));
    } else {
        m_Rules.remove(id);
    }
    if (QAction* action = m_Actions.value(id)) {
        Apply(id, action);
    }
}

void CQarnCommandSet::SetHandler(unsigned int first, unsigned int last, const Handler& handler) {
    for (unsigned int id = first; id <= last; ++id) {
        SetHandler(id, handler);
    }
}

void CQarnCommandSet::SetUpdateRule(unsigned int first, unsigned int last, const UpdateRule& rule) {
    for (unsigned int id = first; id <= last; ++id) {
        SetUpdateRule(id, rule);
    }
}

void CQarnCommandSet::Apply(unsigned int id, QAction* action) {
    if (!m_Handlers.contains(id)) {
        action->setEnabled(false);
        return;
    }
    const UpdateRule rule = m_Rules.value(id);
    const CQarnCommandState state = rule ? rule(id) : CQarnCommandState();
    action->setEnabled(state.enabled);
    if (action->isCheckable()) {
        action->setChecked(state.checked);
    }
}

void CQarnCommandSet::Refresh() {
    for (auto it = m_Actions.constBegin(); it != m_Actions.constEnd(); ++it) {
        Apply(it.key(), it.value());
    }
}

bool CQarnCommandSet::Trigger(unsigned int id) {
    QAction* action = Action(id);
    if (action == nullptr) {
        return false;
    }
    Apply(id, action);
    if (!action->isEnabled()) {
        return false;
    }
    action->trigger();
    return true;
}

void CQarnCommandSet::AddTo(QMenu* menu, const QList<unsigned int>& ids) {
    for (unsigned int id : ids) {
        if (id == 0) {
            menu->addSeparator();
        } else if (QAction* action = Action(id)) {
            menu->addAction(action);
        }
    }
}

void CQarnCommandSet::AddTo(QToolBar* bar, const QList<unsigned int>& ids) {
    for (unsigned int id : ids) {
        if (id == 0) {
            bar->addSeparator();
        } else if (QAction* action = Action(id)) {
            bar->addAction(action);
        }
    }
}
