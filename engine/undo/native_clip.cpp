#include "undo/native_clip.h"

#include "connectors/connection.h"
#include "connectors/connection_table.h"
#include "connectors/connector.h"
#include "core/component.h"
#include "platform/archive.h"
#include "platform/archive_exception.h"
#include "shapes/group.h"
#include "shapes/group_table.h"
#include "undo/component_lists.h"

namespace {

// Groups rebuilt from a table must form trees: every member's parent is the group that lists
// it, and no group lies inside itself (damaged data could make either, and walking such a
// group would never end).
bool GroupsAreTrees(const std::vector<std::unique_ptr<CQarnComponent>>& read) {
    const size_t limit = read.size() + 1;
    for (const auto& c : read) {
        if (auto* group = dynamic_cast<CQarnGroup*>(c.get())) {
            for (CQarnComponent* member : group->GetMembers()) {
                if (member->GetParentGroup() != group) {
                    return false;
                }
            }
        }
        size_t depth = 0;
        for (const CQarnComponent* up = c->GetParentGroup(); up != nullptr;
             up = up->GetParentGroup()) {
            if (up == c.get() || ++depth > limit) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

QString CQarnNativeClip::FormatName() {
    return QStringLiteral("qarn");
}

QByteArray CQarnNativeClip::Write(const ComponentList& selection) {
    const ComponentList list = Qarn::ExpandComponents(selection);
    QByteArray data;
    CArchive ar(CArchive::store, &data);
    ar.WriteObjectList(list);
    CQarnGroupTable groups;
    groups.CreateFromContainer(list);
    groups.Serialize(ar);
    CQarnConnectionTable connections;
    connections.CreateFromContainer(list);
    connections.Serialize(ar);
    return data;
}

bool CQarnNativeClip::Read(const QByteArray& data,
                           std::vector<std::unique_ptr<CQarnComponent>>& out, QString* error) {
    out.clear();
    QByteArray bytes = data;
    std::vector<std::unique_ptr<CQarnComponent>> read;
    try {
        CArchive ar(CArchive::load, &bytes);
        ar.ReadObjectList(
            RUNTIME_CLASS(CQarnComponent), CArchive::Sharing::Exclusive,
            [&read](CObject* c) { read.emplace_back(static_cast<CQarnComponent*>(c)); });
        CQarnGroupTable groups;
        groups.Serialize(ar);
        CQarnConnectionTable connections;
        connections.Serialize(ar);
        ComponentList list;
        for (const auto& c : read) {
            list.append(c.get());
        }
        groups.ResetContainer(list);
        connections.ResetContainer(list);
    } catch (const CArchiveException& e) {
        if (error != nullptr) {
            *error = e.Message();
        }
        return false;
    }
    if (!GroupsAreTrees(read)) {
        if (error != nullptr) {
            *error = QStringLiteral("the groups of the copied components are damaged");
        }
        // Members must not point at groups that go first.
        for (const auto& c : read) {
            c->SetParentGroup(nullptr);
            if (auto* group = dynamic_cast<CQarnGroup*>(c.get())) {
                group->ClearMembers();
            }
        }
        return false;
    }
    // An end the tables did not aim at a copy rests on nothing: it is free.
    for (const auto& c : read) {
        if (c->IsKindOf(CQarnConnector::ThisClass())) {
            auto* connector = static_cast<CQarnConnector*>(c.get());
            if (connector->GetLeftConnection() != nullptr &&
                connector->GetLeftConnection()->GetComponent() == nullptr) {
                connector->SetLeftConnection(nullptr);
            }
            if (connector->GetRightConnection() != nullptr &&
                connector->GetRightConnection()->GetComponent() == nullptr) {
                connector->SetRightConnection(nullptr);
            }
        }
    }
    out = std::move(read);
    return true;
}
