#pragma once
// Runtime classes: every persistent class of the system can be created from its class name
// (the archive stores that name) and knows its schema number and its base class.

#include <QString>
#include <QStringList>

#include "platform/win_types.h"

class CObject;

struct CRuntimeClass {
    using Factory = CObject* (*)();

    // Registers the class under its name at library or program load.
    CRuntimeClass(const char* className, UINT schema, Factory factory, const CRuntimeClass* base);

    const char* m_lpszClassName;
    UINT m_wSchema;
    Factory m_pfnCreateObject;  // null for classes that cannot be created by name
    const CRuntimeClass* m_pBaseClass;

    // A new object of this class, or null when the class has no default construction.
    CObject* CreateObject() const;
    bool IsDerivedFrom(const CRuntimeClass* base) const;

    // The registered class of that name, or null.
    static const CRuntimeClass* FromName(const QString& className);
    static QStringList RegisteredNames();
};

// Declares the runtime class of a class that cannot be created by name.
#define QARN_DECLARE_DYNAMIC(Class)           \
public:                                       \
    static const CRuntimeClass class##Class;  \
    static const CRuntimeClass* ThisClass() { \
        return &Class::class##Class;          \
    }                                         \
    using ThisClassType = Class;              \
    const CRuntimeClass* GetRuntimeClass() const override;

// Declares the runtime class of a class that the archive creates by name.
#define QARN_DECLARE_SERIAL(Class) \
    QARN_DECLARE_DYNAMIC(Class)    \
    static CObject* CreateObject();

#define QARN_IMPLEMENT_DYNAMIC(Class, Base)                                               \
    const CRuntimeClass Class::class##Class(#Class, 0xFFFF, nullptr, &Base::class##Base); \
    const CRuntimeClass* Class::GetRuntimeClass() const {                                 \
        return &Class::class##Class;                                                      \
    }

#define QARN_IMPLEMENT_SERIAL(Class, Base, schema)                                \
    CObject* Class::CreateObject() {                                              \
        return new Class; /* NOLINT(bugprone-macro-parentheses): a type name */   \
    }                                                                             \
    const CRuntimeClass Class::class##Class(#Class, schema, &Class::CreateObject, \
                                            &Base::class##Base);                  \
    const CRuntimeClass* Class::GetRuntimeClass() const {                         \
        return &Class::class##Class;                                              \
    }

#define RUNTIME_CLASS(Class) (&Class::class##Class)
