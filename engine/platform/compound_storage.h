#pragma once
// One storage of a compound file, held in memory: named streams of bytes and named
// sub-storages. Names compare without regard to case, as in the file format; the names are
// kept as they were given.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class CCompoundStorage {
public:
    explicit CCompoundStorage(const QString& name = QString());
    ~CCompoundStorage();
    CCompoundStorage(CCompoundStorage&&) noexcept;
    CCompoundStorage& operator=(CCompoundStorage&&) noexcept;
    CCompoundStorage(const CCompoundStorage& other);
    CCompoundStorage& operator=(const CCompoundStorage& other);

    const QString& Name() const { return name_; }

    // Replaces the stream of that name or adds it.
    void SetStream(const QString& name, const QByteArray& data);
    bool HasStream(const QString& name) const;
    // The stream's bytes, or empty when there is no such stream.
    QByteArray Stream(const QString& name) const;
    void RemoveStream(const QString& name);
    QStringList StreamNames() const;

    // The sub-storage of that name, added (empty) when missing.
    CCompoundStorage& Storage(const QString& name);
    // The sub-storage of that name, or null.
    const CCompoundStorage* FindStorage(const QString& name) const;
    void RemoveStorage(const QString& name);
    QStringList StorageNames() const;

    bool IsEmpty() const { return streams_.empty() && storages_.empty(); }

private:
    struct NamedStream {
        QString name;
        QByteArray data;
    };

    QString name_;
    std::vector<NamedStream> streams_;
    std::vector<std::unique_ptr<CCompoundStorage>> storages_;
};
