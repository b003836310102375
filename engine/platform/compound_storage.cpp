#include "platform/compound_storage.h"

#include <algorithm>

namespace {

bool SameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

}  // namespace

CCompoundStorage::CCompoundStorage(const QString& name) : name_(name) {}
CCompoundStorage::~CCompoundStorage() = default;
CCompoundStorage::CCompoundStorage(CCompoundStorage&&) noexcept = default;
CCompoundStorage& CCompoundStorage::operator=(CCompoundStorage&&) noexcept = default;

CCompoundStorage::CCompoundStorage(const CCompoundStorage& other)
    : name_(other.name_), streams_(other.streams_) {
    for (const auto& s : other.storages_) {
        storages_.push_back(std::make_unique<CCompoundStorage>(*s));
    }
}

CCompoundStorage& CCompoundStorage::operator=(const CCompoundStorage& other) {
    if (this != &other) {
        CCompoundStorage copy(other);
        *this = std::move(copy);
    }
    return *this;
}

void CCompoundStorage::SetStream(const QString& name, const QByteArray& data) {
    for (NamedStream& s : streams_) {
        if (SameName(s.name, name)) {
            s.data = data;
            return;
        }
    }
    streams_.push_back(NamedStream{name, data});
}

bool CCompoundStorage::HasStream(const QString& name) const {
    return std::any_of(streams_.begin(), streams_.end(),
                       [&](const NamedStream& s) { return SameName(s.name, name); });
}

QByteArray CCompoundStorage::Stream(const QString& name) const {
    for (const NamedStream& s : streams_) {
        if (SameName(s.name, name)) {
            return s.data;
        }
    }
    return QByteArray();
}

void CCompoundStorage::RemoveStream(const QString& name) {
    std::erase_if(streams_, [&](const NamedStream& s) { return SameName(s.name, name); });
}

QStringList CCompoundStorage::StreamNames() const {
    QStringList names;
    for (const NamedStream& s : streams_) {
        names << s.name;
    }
    return names;
}

CCompoundStorage& CCompoundStorage::Storage(const QString& name) {
    for (auto& s : storages_) {
        if (SameName(s->name_, name)) {
            return *s;
        }
    }
    storages_.push_back(std::make_unique<CCompoundStorage>(name));
    return *storages_.back();
}

const CCompoundStorage* CCompoundStorage::FindStorage(const QString& name) const {
    for (const auto& s : storages_) {
        if (SameName(s->name_, name)) {
            return s.get();
        }
    }
    return nullptr;
}

void CCompoundStorage::RemoveStorage(const QString& name) {
    std::erase_if(storages_, [&](const auto& s) { return SameName(s->name_, name); });
}

QStringList CCompoundStorage::StorageNames() const {
    QStringList names;
    for (const auto& s : storages_) {
        names << s->name_;
    }
    return names;
}
