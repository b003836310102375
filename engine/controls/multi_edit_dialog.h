#pragma once
// The property sheet of several components at once: the attributes they all have (the line
// of all of them, the fill, the arrow heads when all are lines with heads, the text when all
// carry text, the shadow), each showing the shared value, or nothing when the values differ.
// Only the fields the user changes are set, on every component; the rest keeps each
// component's own value. The values travel by property id (core/property_table.h), checked
// by the table's rows; the caller records the change for all components as one action.

#include <QList>
#include <functional>
#include <vector>

#include "controls/dialog.h"
#include "core/component_list.h"
#include "platform/variant.h"

class CQarnMultiEditDialog : public CQarnDialog {
    Q_OBJECT

public:
    struct Change {
        UINT id;
        CVariant value;
    };

    CQarnMultiEditDialog(const ComponentList& components, QWidget* parent = nullptr);
    ~CQarnMultiEditDialog() override;

    // The fields the user changed, as property values (after OK).
    QList<Change> GetChanges() const;
    // Sets every change on every component (a component refuses what it cannot hold); the
    // components that changed are rebuilt and announced. Returns how many changed.
    static int Apply(const ComponentList& components, const QList<Change>& changes);

    // The field of a property id, null when the components do not all have it.
    QWidget* GetField(UINT id) const;
    // Whether the components disagree on the id (the field shows no value).
    bool IsMixed(UINT id) const;

protected:
    bool ValidateMore() override;

private:
    struct Field;
    void AddFields();

    ComponentList m_Components;
    std::vector<std::unique_ptr<Field>> m_Fields;
};
