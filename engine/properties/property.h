#pragma once
// Base of every attribute object attached to components. Properties are shared by reference
// count: attaching raises the count, Remove() lowers it and deletes the property at zero.

#include "platform/object.h"

class CQarnProperty : public CObject {
    QARN_DECLARE_SERIAL(CQarnProperty)

public:
    CQarnProperty() = default;
    explicit CQarnProperty(unsigned int kind) : kind_(kind) {}
    // The copy has the same kind and no holders yet.
    CQarnProperty(const CQarnProperty& other) : CObject(other), kind_(other.kind_) {}
    CQarnProperty& operator=(const CQarnProperty&) = delete;
    ~CQarnProperty() override = default;

    unsigned int GetId() const { return kind_; }
    void SetId(int kind) { kind_ = static_cast<unsigned int>(kind); }

    int GetRefCount() const { return refCount_; }
    void SetRefCount(unsigned int count) { refCount_ = static_cast<int>(count); }
    void IncreaseRefCount() { ++refCount_; }
    void DecreaseRefCount() { --refCount_; }

    // Drops one reference and returns the new count; at zero or below the property deletes
    // itself, so the caller must not touch it afterwards.
    virtual int Remove();
    // A new property of the same class and content, held by nobody yet.
    virtual CQarnProperty* Clone() const;
    virtual bool ToBeShared() const { return false; }

    void Serialize(CArchive& ar) override;

private:
    unsigned int kind_ = 0;
    int refCount_ = 0;
};
