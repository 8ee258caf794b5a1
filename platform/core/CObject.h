#pragma once
// Root object with runtime class records: the archive uses them to store class records and to
// create objects by name when it loads them.

#include <cstdint>
#include <functional>
#include <string>

class CArchive;
class CObject;

struct CRuntimeClass {
    const char* m_lpszClassName;
    std::uint16_t m_wSchema;         // 0xFFFF when the class is not serializable
    CObject* (*m_pfnCreateObject)(); // null when the class cannot be created by name
    const CRuntimeClass* m_pBaseClass;

    CObject* CreateObject() const;
    bool IsDerivedFrom(const CRuntimeClass* base) const;

    // Finds a class registered with IMPLEMENT_* by its name; null when none is.
    static const CRuntimeClass* FromName(const std::string& name);
    static CObject* CreateObject(const std::string& name);
};

// Adds a class record to the by-name registry during static initialisation.
struct CRuntimeClassRegistrar {
    explicit CRuntimeClassRegistrar(const CRuntimeClass* cls);
};

class CObject {
public:
    virtual const CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject() = default;
    virtual void Serialize(CArchive& ar);
    virtual void AssertValid() const {}
    virtual void Dump(std::string& out) const;

    bool IsKindOf(const CRuntimeClass* cls) const;

    static const CRuntimeClass classCObject;
    static const CRuntimeClass* GetThisClass() { return &classCObject; }

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};

#define RUNTIME_CLASS(name) (&name::class##name)

#define DECLARE_DYNAMIC(name)                                                                      \
public:                                                                                            \
    static const CRuntimeClass class##name;                                                        \
    static const CRuntimeClass* GetThisClass() {                                                   \
        return &class##name;                                                                       \
    }                                                                                              \
    const CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(name)                                                                    \
    DECLARE_DYNAMIC(name)                                                                          \
    static CObject* CreateObject();

#define DECLARE_SERIAL(name) DECLARE_DYNCREATE(name)

#define TAUREL_IMPLEMENT_RUNTIMECLASS(name, base, schema, create)                                  \
    const CRuntimeClass name::class##name = {#name, schema, create, RUNTIME_CLASS(base)};          \
    static const CRuntimeClassRegistrar name##Registrar(RUNTIME_CLASS(name));                      \
    const CRuntimeClass* name::GetRuntimeClass() const {                                           \
        return RUNTIME_CLASS(name);                                                                \
    }

#define IMPLEMENT_DYNAMIC(name, base) TAUREL_IMPLEMENT_RUNTIMECLASS(name, base, 0xFFFF, nullptr)

#define IMPLEMENT_DYNCREATE(name, base)                                                            \
    CObject* name::CreateObject() {                                                                \
        return new name;                                                                           \
    }                                                                                              \
    TAUREL_IMPLEMENT_RUNTIMECLASS(name, base, 0xFFFF, name::CreateObject)

#define IMPLEMENT_SERIAL(name, base, schema)                                                       \
    CObject* name::CreateObject() {                                                                \
        return new name;                                                                           \
    }                                                                                              \
    TAUREL_IMPLEMENT_RUNTIMECLASS(name, base, schema, name::CreateObject)
