#include "platform/runtime_class.h"

#include <QHash>
#include <cstring>

#include "platform/object.h"

namespace {

QHash<QString, const CRuntimeClass*>& Registry() {
    static QHash<QString, const CRuntimeClass*> registry;
    return registry;
}

}  // namespace

CRuntimeClass::CRuntimeClass(const char* className, UINT schema, Factory factory,
                             const CRuntimeClass* base)
    : m_lpszClassName(className),
      m_wSchema(schema),
      m_pfnCreateObject(factory),
      m_pBaseClass(base) {
    Registry().insert(QString::fromLatin1(className), this);
}

CObject* CRuntimeClass::CreateObject() const {
    return m_pfnCreateObject ? m_pfnCreateObject() : nullptr;
}

bool CRuntimeClass::IsDerivedFrom(const CRuntimeClass* base) const {
    for (const CRuntimeClass* c = this; c != nullptr; c = c->m_pBaseClass) {
        if (c == base) {
            return true;
        }
    }
    return false;
}

const CRuntimeClass* CRuntimeClass::FromName(const QString& className) {
    return Registry().value(className, nullptr);
}

QStringList CRuntimeClass::RegisteredNames() {
    QStringList names = Registry().keys();
    names.sort();
    return names;
}
