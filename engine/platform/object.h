#pragma once
// Root of every persistent class: a runtime class and one Serialize that both writes and reads.

#include "platform/runtime_class.h"

class CArchive;

class CObject {
public:
    static const CRuntimeClass classCObject;
    static const CRuntimeClass* ThisClass() { return &classCObject; }
    using ThisClassType = CObject;

    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
    virtual ~CObject() = default;

    virtual const CRuntimeClass* GetRuntimeClass() const;
    virtual void Serialize(CArchive& ar);

    bool IsKindOf(const CRuntimeClass* c) const { return GetRuntimeClass()->IsDerivedFrom(c); }
};
