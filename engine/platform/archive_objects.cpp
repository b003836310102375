// The polymorphic object framing of the archive: class tags, the shared index counter, back
// references, the large-index form, object lists and embedded records.
#include <QHash>
#include <vector>

#include "platform/archive.h"
#include "platform/archive_exception.h"
#include "platform/object.h"

namespace {

constexpr std::uint16_t kNullTag = 0x0000;
constexpr std::uint16_t kNewClassTag = 0xFFFF;
constexpr std::uint16_t kClassTag = 0x8000;
constexpr std::uint16_t kBigIndexTag = 0x7FFF;
constexpr std::uint32_t kBigClassFlag = 0x80000000u;
// Indices must leave the class flag of the large form free.
constexpr quint32 kMaxIndex = 0x7FFFFFFEu;

QString ClassName(const CRuntimeClass* c) {
    return QString::fromLatin1(c->m_lpszClassName);
}

// A class name from the file, fit for an error message.
QString Printable(const QByteArray& raw) {
    QString text;
    for (char ch : raw) {
        const auto u = static_cast<unsigned char>(ch);
        text += (u >= 0x20 && u < 0x7F) ? QChar(u) : QChar(u'?');
    }
    return text;
}

// Counts the nesting of object records for as long as one is being read or written.
class DepthGuard {
public:
    DepthGuard(int& depth, const CArchive& ar, qint64 offset) : depth_(depth) {
        if (depth_ >= CArchive::kMaxObjectDepth) {
            ar.FailAt(offset, QStringLiteral("objects are nested deeper than %1 levels")
                                  .arg(CArchive::kMaxObjectDepth));
        }
        ++depth_;
    }
    ~DepthGuard() { --depth_; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;

private:
    int& depth_;
};

}  // namespace

// What one archive has numbered so far. A storing archive maps classes and objects to their
// index; a loading archive keeps, for every index, the class or object it stands for.
struct CArchive::ObjectTable {
    struct Entry {
        const CRuntimeClass* runtimeClass = nullptr;  // the class, for a class entry
        CObject* object = nullptr;                    // the object, for an object entry
        bool complete = false;                        // its record has been read to the end
        bool shared = false;                          // read by a shared holder
    };

    quint32 nextIndex = 1;
    QHash<const void*, quint32> stored;
    std::vector<Entry> loaded{Entry{}};  // index 0 is the null tag
    // Set when a read failed: objects of the table may have been deleted since.
    bool broken = false;
};

CArchive::CArchive(Mode mode, QByteArray* buffer) : mode_(mode), buffer_(buffer) {}

CArchive::~CArchive() = default;

CArchive::ObjectTable& CArchive::Objects() {
    if (!objects_) {
        objects_ = std::make_unique<ObjectTable>();
    }
    return *objects_;
}

quint32 CArchive::TakeNextIndex(qint64 offset) {
    ObjectTable& table = Objects();
    if (table.nextIndex > kMaxIndex) {
        FailAt(offset,
               QStringLiteral("more than %1 classes and objects in one archive").arg(kMaxIndex));
    }
    return table.nextIndex++;
}

// Writing.

void CArchive::WriteIndexTag(quint32 index, quint32 flag) {
    if (index < kBigIndexTag) {
        *this << std::uint16_t(flag != 0 ? (kClassTag | index) : index);
    } else {
        *this << kBigIndexTag << std::uint32_t(flag | index);
    }
}

void CArchive::WriteClassTag(const CRuntimeClass* runtimeClass) {
    ObjectTable& table = Objects();
    auto known = table.stored.constFind(runtimeClass);
    if (known != table.stored.constEnd()) {
        WriteIndexTag(known.value(), kBigClassFlag);
        return;
    }
    const QByteArray name(runtimeClass->m_lpszClassName);
    *this << kNewClassTag << std::uint16_t(runtimeClass->m_wSchema) << std::uint16_t(name.size());
    Write(name.constData(), name.size());
    table.stored.insert(runtimeClass, TakeNextIndex(position_));
}

void CArchive::WriteObject(const CObject* object) {
    RequireStoring();
    if (object == nullptr) {
        *this << kNullTag;
        return;
    }
    ObjectTable& table = Objects();
    auto known = table.stored.constFind(object);
    if (known != table.stored.constEnd()) {
        WriteIndexTag(known.value(), 0);
        return;
    }
    const CRuntimeClass* runtimeClass = object->GetRuntimeClass();
    // A reader could not create it again, so it is not written at all.
    if (runtimeClass->m_pfnCreateObject == nullptr || runtimeClass->m_wSchema != 0 ||
        CRuntimeClass::FromName(ClassName(runtimeClass)) != runtimeClass) {
        Fail(QStringLiteral("class %1 cannot be stored").arg(ClassName(runtimeClass)));
    }
    const qint64 start = position_;
    WriteClassTag(runtimeClass);
    table.stored.insert(object, TakeNextIndex(start));
    DepthGuard depth(depth_, *this, start);
    const_cast<CObject*>(object)->Serialize(*this);
}

void CArchive::SerializeEmbedded(CObject& object) {
    DepthGuard depth(depth_, *this, position_);
    object.Serialize(*this);
}

// Reading.

const CRuntimeClass* CArchive::ReadNewClass() {
    const qint64 schemaOffset = position_;
    std::uint16_t schema = 0;
    *this >> schema;
    const qint64 nameOffset = position_;
    std::uint16_t length = 0;
    *this >> length;
    if (length == 0 || length > kMaxClassNameLength) {
        FailAt(nameOffset, QStringLiteral("a class name of %1 bytes").arg(length));
    }
    Require(length, "a class name");
    QByteArray name(length, Qt::Uninitialized);
    Read(name.data(), length);
    const CRuntimeClass* runtimeClass = CRuntimeClass::FromName(QString::fromLatin1(name));
    if (runtimeClass == nullptr || runtimeClass->m_pfnCreateObject == nullptr) {
        FailAt(nameOffset, QStringLiteral("unknown class \"%1\"").arg(Printable(name)));
    }
    if (schema != 0) {
        FailAt(schemaOffset, QStringLiteral("class %1 has schema %2; only schema 0 can be read")
                                 .arg(ClassName(runtimeClass))
                                 .arg(schema));
    }
    const quint32 index = TakeNextIndex(schemaOffset);
    Objects().loaded.push_back(ObjectTable::Entry{runtimeClass, nullptr, false, false});
    Q_ASSERT(index + 1 == Objects().loaded.size());
    return runtimeClass;
}

const CRuntimeClass* CArchive::ClassAtIndex(quint32 index, qint64 tagOffset) {
    const ObjectTable& table = Objects();
    if (index == 0 || index >= table.loaded.size() || table.loaded[index].runtimeClass == nullptr) {
        FailAt(tagOffset,
               QStringLiteral("a class index %1 that names no class read so far").arg(index));
    }
    return table.loaded[index].runtimeClass;
}

CObject* CArchive::ObjectAtIndex(quint32 index, const CRuntimeClass* expected, Sharing sharing,
                                 qint64 tagOffset) {
    const ObjectTable& table = Objects();
    if (index >= table.loaded.size() || table.loaded[index].object == nullptr) {
        FailAt(tagOffset,
               QStringLiteral("a reference to object %1, which was not read so far").arg(index));
    }
    const ObjectTable::Entry& entry = table.loaded[index];
    if (!entry.complete) {
        FailAt(tagOffset,
               QStringLiteral("a reference to object %1 from inside its own record").arg(index));
    }
    if (sharing != Sharing::Shared || !entry.shared) {
        FailAt(tagOffset, QStringLiteral("a second reference to object %1 of class %2, which "
                                         "has one owner only")
                              .arg(index)
                              .arg(ClassName(entry.object->GetRuntimeClass())));
    }
    if (!entry.object->IsKindOf(expected)) {
        FailAt(tagOffset, QStringLiteral("a reference to object %1 of class %2 where %3 was "
                                         "expected")
                              .arg(index)
                              .arg(ClassName(entry.object->GetRuntimeClass()))
                              .arg(ClassName(expected)));
    }
    return entry.object;
}

CObject* CArchive::CreateAndRead(const CRuntimeClass* runtimeClass, const CRuntimeClass* expected,
                                 Sharing sharing, qint64 tagOffset) {
    if (!runtimeClass->IsDerivedFrom(expected)) {
        FailAt(tagOffset, QStringLiteral("an object of class %1 where %2 was expected")
                              .arg(ClassName(runtimeClass))
                              .arg(ClassName(expected)));
    }
    DepthGuard depth(depth_, *this, tagOffset);
    const quint32 index = TakeNextIndex(tagOffset);
    CObject* object = runtimeClass->CreateObject();
    ObjectTable& table = Objects();
    table.loaded.push_back(ObjectTable::Entry{nullptr, object, false, sharing == Sharing::Shared});
    Q_ASSERT(index + 1 == table.loaded.size());
    try {
        object->Serialize(*this);
    } catch (...) {
        table.broken = true;
        table.loaded[index].object = nullptr;
        delete object;
        throw;
    }
    table.loaded[index].complete = true;
    return object;
}

CObject* CArchive::ReadObject(const CRuntimeClass* expected, Sharing sharing) {
    RequireLoading();
    if (expected == nullptr) {
        expected = RUNTIME_CLASS(CObject);
    }
    if (Objects().broken) {
        Fail(QStringLiteral("reading goes on after an earlier failure"));
    }
    const qint64 tagOffset = position_;
    std::uint16_t tag = 0;
    *this >> tag;
    if (tag == kNullTag) {
        return nullptr;
    }
    if (tag == kNewClassTag) {
        return CreateAndRead(ReadNewClass(), expected, sharing, tagOffset);
    }
    if (tag == kBigIndexTag) {
        std::uint32_t big = 0;
        *this >> big;
        if ((big & kBigClassFlag) != 0) {
            const CRuntimeClass* known = ClassAtIndex(big & ~kBigClassFlag, tagOffset);
            return CreateAndRead(known, expected, sharing, tagOffset);
        }
        return ObjectAtIndex(big, expected, sharing, tagOffset);
    }
    if ((tag & kClassTag) != 0) {
        const CRuntimeClass* known = ClassAtIndex(tag & ~kClassTag, tagOffset);
        return CreateAndRead(known, expected, sharing, tagOffset);
    }
    return ObjectAtIndex(tag, expected, sharing, tagOffset);
}

quint32 CArchive::ReadObjectListCount() {
    const qint64 offset = position_;
    const quint32 count = ReadCount();
    if (qint64(count) * 2 > BytesLeft()) {
        FailAt(offset, QStringLiteral("a list of %1 objects with only %2 bytes left")
                           .arg(count)
                           .arg(BytesLeft()));
    }
    return count;
}

CObject* CArchive::ReadListElement(const CRuntimeClass* expected, Sharing sharing) {
    const qint64 offset = position_;
    CObject* object = ReadObject(expected, sharing);
    if (object == nullptr) {
        FailAt(offset, QStringLiteral("a null entry in a list of %1").arg(ClassName(expected)));
    }
    return object;
}
