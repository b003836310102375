#include "shapes/shape_registry.h"

#include <QtGlobal>
#include <map>

#include "core/kind_word_lookup.h"

namespace {

// A node-based map, so that a kind found stays where it is while others register.
std::map<int, CQarnShapeKind>& Kinds() {
    static std::map<int, CQarnShapeKind> kinds;
    return kinds;
}

// Generated names find their words here from the moment the library is loaded.
[[maybe_unused]] const bool kLookupInstalled =
    (Qarn::SetKindWordLookup(&Qarn::GetShapeKindWord), true);

}  // namespace

namespace Qarn {

bool RegisterShapeKind(const CQarnShapeKind& kind) {
    if (!kind.CanCreate()) {
        return false;
    }
    auto [at, added] = Kinds().try_emplace(kind.shapeId, kind);
    if (added) {
        return true;
    }
    if (at->second.CanCreate()) {
        qWarning("Shape id %d is registered twice (%s and %s); the first one stays.", kind.shapeId,
                 at->second.runtimeClass->m_lpszClassName, kind.runtimeClass->m_lpszClassName);
        return false;
    }
    at->second = kind;
    return true;
}

bool RegisterShapeKindWord(int shapeId, const char* kindWord) {
    CQarnShapeKind kind;
    kind.shapeId = shapeId;
    kind.kindWord = QString::fromLatin1(kindWord);
    return Kinds().try_emplace(shapeId, kind).second;
}

const CQarnShapeKind* FindShapeKind(int shapeId) {
    auto at = Kinds().find(shapeId);
    return at != Kinds().end() ? &at->second : nullptr;
}

CQarnComponent* CreateShape(int shapeId, const RectF& rect) {
    const CQarnShapeKind* kind = FindShapeKind(shapeId);
    if (kind == nullptr || !kind->CanCreate()) {
        return nullptr;
    }
    return kind->factory(rect);
}

QString GetShapeKindWord(int shapeId) {
    const CQarnShapeKind* kind = FindShapeKind(shapeId);
    return kind != nullptr ? kind->kindWord : QString();
}

QList<int> GetShapeKindIDs() {
    QList<int> ids;
    ids.reserve(qsizetype(Kinds().size()));
    for (const auto& entry : Kinds()) {
        ids.append(entry.first);
    }
    return ids;
}

}  // namespace Qarn
