// Feeds arbitrary bytes to the archive reader: objects of any registered class, object lists
// of properties and of components. Every read either succeeds or ends in one
// CArchiveException, never a crash, a leak, a hang or an unbounded allocation. What was read
// is written again, read back and written once more: the two writes must agree byte for byte.
#include <QByteArray>
#include <QList>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "core/component.h"
#include "platform/archive.h"
#include "platform/archive_exception.h"
#include "platform/object.h"
#include "properties/property.h"

namespace {

// What one pass read: top-level objects owned outright and properties held by count.
struct ReadResult {
    QList<CObject*> owned;
    QList<CQarnProperty*> shared;

    ReadResult() = default;
    ReadResult(const ReadResult&) = delete;
    ReadResult& operator=(const ReadResult&) = delete;
    ~ReadResult() {
        qDeleteAll(owned);
        for (CQarnProperty* p : shared) {
            p->Remove();
        }
    }
};

// The first byte chooses what the rest holds.
enum class Shape : std::uint8_t { Objects = 0, Properties = 1, Components = 2 };

bool Read(Shape shape, const QByteArray& bytes, ReadResult* result) {
    CArchive in(CArchive::load, const_cast<QByteArray*>(&bytes));
    try {
        switch (shape) {
            case Shape::Objects:
                while (!in.AtEnd()) {
                    if (CObject* o = in.ReadObject(RUNTIME_CLASS(CObject))) {
                        result->owned.append(o);
                    }
                }
                break;
            case Shape::Properties:
                in.ReadObjectList(RUNTIME_CLASS(CQarnProperty), CArchive::Sharing::Shared,
                                  [result](CObject* o) {
                                      auto* p = static_cast<CQarnProperty*>(o);
                                      p->IncreaseRefCount();
                                      result->shared.append(p);
                                  });
                break;
            case Shape::Components:
                in.ReadObjectList(RUNTIME_CLASS(CQarnComponent), CArchive::Sharing::Exclusive,
                                  [result](CObject* o) { result->owned.append(o); });
                break;
        }
    } catch (const CArchiveException&) {
        return false;
    }
    return true;
}

QByteArray Write(Shape shape, const ReadResult& result) {
    QByteArray bytes;
    CArchive out(CArchive::store, &bytes);
    if (shape == Shape::Properties) {
        out.WriteObjectList(result.shared);
    } else if (shape == Shape::Components) {
        out.WriteObjectList(result.owned);
    } else {
        for (const CObject* o : result.owned) {
            out.WriteObject(o);
        }
    }
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) {
        return 0;
    }
    const auto shape = static_cast<Shape>(data[0] % 3);
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    ReadResult first;
    if (!Read(shape, bytes, &first)) {
        return 0;
    }
    const QByteArray written = Write(shape, first);
    ReadResult second;
    if (!Read(shape, written, &second)) {
        std::fprintf(stderr, "the archive cannot read back what it wrote\n");
        std::abort();
    }
    if (Write(shape, second) != written) {
        std::fprintf(stderr, "writing what was read back gives other bytes\n");
        std::abort();
    }
    return 0;
}
