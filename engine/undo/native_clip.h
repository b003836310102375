#pragma once
// The library's own clipboard format ("qarn"): an archive of the copied components (a group
// with its members) as an object list, then the group table and the connection table of that
// list, so that pasted copies are regrouped among themselves and connectors attach to the
// copies of their shapes (an end whose shape was not copied comes back free).

#include <QByteArray>
#include <QString>
#include <memory>
#include <vector>

#include "core/component_list.h"

class CQarnComponent;

class CQarnNativeClip {
public:
    // The name the format is registered under.
    static QString FormatName();

    // The selection in the native format.
    static QByteArray Write(const ComponentList& selection);
    // New components from data in the native format, in the order they were copied; they
    // belong to no layer yet. False, with the reason in *error and nothing kept, for data
    // that is not a complete record.
    static bool Read(const QByteArray& data, std::vector<std::unique_ptr<CQarnComponent>>& out,
                     QString* error = nullptr);
};
