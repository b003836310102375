#pragma once
// The archive: a little-endian byte stream without padding, written into or read from a byte
// buffer. Reading checks every length against the bytes that are left and ends a failed read
// with one CArchiveException naming the cause and the byte offset.
//
// Objects travel with a class tag. One counter, starting at 1, numbers the classes and the
// objects of an archive in the order they first appear; later appearances refer back by that
// number. Ownership while reading: an object the reader creates belongs to the reader until
// its record is complete. When its record fails, the reader deletes it (its destructor frees
// whatever it had already taken in) and the whole read ends with the error; once complete,
// the object is handed to the caller, who owns it. Only objects read as shared (properties,
// held by reference count) may be referred to again, and only once their record is complete.

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdint>
#include <memory>
#include <type_traits>

#include "platform/runtime_class.h"
#include "platform/win_types.h"

class CObject;

class CArchive {
public:
    enum Mode { store = 0, load = 1 };

    // How a reader holds the objects it asks for. An exclusive holder owns what it gets, so a
    // reference back to an object read before is refused; a shared holder takes one counted
    // reference, so the same complete object may come back again.
    enum class Sharing { Exclusive, Shared };

    // Objects nested deeper than this end the read.
    static constexpr int kMaxObjectDepth = 32;
    // Class names are short identifiers.
    static constexpr int kMaxClassNameLength = 64;

    // A storing archive appends to *buffer; a loading archive reads it from its first byte.
    CArchive(Mode mode, QByteArray* buffer);
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;
    virtual ~CArchive();

    bool IsStoring() const { return mode_ == store; }
    bool IsLoading() const { return mode_ == load; }

    qint64 Position() const { return position_; }
    qint64 BytesLeft() const;
    bool AtEnd() const { return BytesLeft() == 0; }

    CArchive& operator<<(std::uint8_t v);
    CArchive& operator<<(std::int8_t v) { return *this << std::uint8_t(v); }
    CArchive& operator<<(std::uint16_t v);
    CArchive& operator<<(std::int16_t v) { return *this << std::uint16_t(v); }
    CArchive& operator<<(std::uint32_t v);
    CArchive& operator<<(std::int32_t v) { return *this << std::uint32_t(v); }
    CArchive& operator<<(std::uint64_t v);
    CArchive& operator<<(std::int64_t v) { return *this << std::uint64_t(v); }
    CArchive& operator<<(float v);
    CArchive& operator<<(double v);
    CArchive& operator<<(const QString& s);

    CArchive& operator>>(std::uint8_t& v);
    CArchive& operator>>(std::int8_t& v);
    CArchive& operator>>(std::uint16_t& v);
    CArchive& operator>>(std::int16_t& v);
    CArchive& operator>>(std::uint32_t& v);
    CArchive& operator>>(std::int32_t& v);
    CArchive& operator>>(std::uint64_t& v);
    CArchive& operator>>(std::int64_t& v);
    CArchive& operator>>(float& v);
    CArchive& operator>>(double& v);
    CArchive& operator>>(QString& s);

    // A count: 16 bits below 0xFFFF, else 0xFFFF and 32 bits.
    void WriteCount(quint32 count);
    quint32 ReadCount();

    void Write(const void* data, qint64 size);
    // Reads exactly size bytes or fails.
    void Read(void* data, qint64 size);

    // Polymorphic objects.
    // Null, a reference to an object already written, or the object's class (by name the
    // first time, by index afterwards) followed by the object's record.
    void WriteObject(const CObject* object);
    // One object of class `expected` or a class derived from it; null for the null tag.
    CObject* ReadObject(const CRuntimeClass* expected, Sharing sharing = Sharing::Exclusive);
    template <class T>
    T* ReadObjectOf(Sharing sharing = Sharing::Exclusive) {
        static_assert(std::is_same_v<typename T::ThisClassType, T>,
                      "the class declares no runtime class of its own");
        return static_cast<T*>(ReadObject(T::ThisClass(), sharing));
    }

    // Object lists: a count, then the objects in list order.
    template <class T>
    void WriteObjectList(const QList<T*>& list) {
        WriteCount(quint32(list.size()));
        for (const T* object : list) {
            WriteObject(object);
        }
    }
    // Reads a list of objects of class `expected`, handing each one to take(CObject*) as soon
    // as its record is complete, so that a failure later in the list leaves the earlier ones
    // with their holder. A null entry is refused.
    template <class Take>
    void ReadObjectList(const CRuntimeClass* expected, Sharing sharing, Take&& take) {
        const quint32 count = ReadObjectListCount();
        for (quint32 i = 0; i < count; ++i) {
            take(ReadListElement(expected, sharing));
        }
    }
    template <class T>
    void ReadObjectList(QList<T*>& list, Sharing sharing = Sharing::Exclusive) {
        static_assert(std::is_same_v<typename T::ThisClassType, T>,
                      "the class declares no runtime class of its own");
        ReadObjectList(T::ThisClass(), sharing,
                       [&list](CObject* object) { list.append(static_cast<T*>(object)); });
    }
    // The count of an object list, checked against the bytes left (each entry takes at least
    // its two-byte tag).
    quint32 ReadObjectListCount();
    // One entry of an object list: an object as ReadObject gives it, never null.
    CObject* ReadListElement(const CRuntimeClass* expected, Sharing sharing);

    // An embedded record: a known sub-object's record in place, without a class tag.
    void SerializeEmbedded(CObject& object);

    // Ends the read (or write) with an archive error at the current byte.
    [[noreturn]] void Fail(const QString& cause) const;
    // Ends it with an error about the item that began at that byte.
    [[noreturn]] void FailAt(qint64 offset, const QString& cause) const;
    // Fails unless at least size bytes remain to be read.
    void Require(qint64 size, const char* what) const;

private:
    QString ReadStringBody(quint32 length, bool unicode);
    quint32 ReadStringLength(std::uint8_t first);
    void RequireLoading() const;
    void RequireStoring() const;
    // The next `size` bytes read, after the checks of Read; the position moves past them.
    const unsigned char* Take(qint64 size, const char* what);
    template <typename T>
    T LoadLittleEndian(const char* what);

    struct ObjectTable;
    ObjectTable& Objects();
    quint32 TakeNextIndex(qint64 offset);
    void WriteClassTag(const CRuntimeClass* runtimeClass);
    void WriteIndexTag(quint32 index, quint32 flag);
    // Reads a class written by name; the tag has been read already.
    const CRuntimeClass* ReadNewClass();
    const CRuntimeClass* ClassAtIndex(quint32 index, qint64 tagOffset);
    CObject* ObjectAtIndex(quint32 index, const CRuntimeClass* expected, Sharing sharing,
                           qint64 tagOffset);
    CObject* CreateAndRead(const CRuntimeClass* runtimeClass, const CRuntimeClass* expected,
                           Sharing sharing, qint64 tagOffset);

    Mode mode_;
    QByteArray* buffer_;
    qint64 position_ = 0;
    std::unique_ptr<ObjectTable> objects_;
    int depth_ = 0;
};
