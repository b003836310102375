#pragma once
// The bytes an object's Serialize writes into a storing archive: a document's "Contents", a
// component's or connector's record.

#include <QByteArray>

#include "platform/archive.h"

template <class T>
QByteArray StoredRecord(T& object) {
    QByteArray bytes;
    CArchive ar(CArchive::store, &bytes);
    object.Serialize(ar);
    return bytes;
}
