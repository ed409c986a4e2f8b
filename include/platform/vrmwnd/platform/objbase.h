// COM's object creation without a registry of DLLs: class identifiers and a class
// table of the process where a library registers a creation function under its
// class identifier; CoCreateInstance creates through it (IUnknown is in unknwn.h).
// Interfaces name their identifier with DECLARE_INTERFACE_IID.
#pragma once

#include <functional>

#include "vrmwnd/platform/export.h"
#include "vrmwnd/platform/unknwn.h"

using CLSID = GUID;
using REFCLSID = const CLSID&;

inline bool IsEqualGUID(const GUID& a, const GUID& b) { return a == b; }

constexpr DWORD CLSCTX_INPROC_SERVER = 0x1, CLSCTX_INPROC_HANDLER = 0x2, CLSCTX_LOCAL_SERVER = 0x4,
                CLSCTX_REMOTE_SERVER = 0x10,
                CLSCTX_ALL = CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER | CLSCTX_REMOTE_SERVER;
constexpr HRESULT REGDB_E_CLASSNOTREG = static_cast<HRESULT>(0x80040154u);
constexpr HRESULT CLASS_E_NOAGGREGATION = static_cast<HRESULT>(0x80040110u);
constexpr HRESULT CO_E_CLASSSTRING = static_cast<HRESULT>(0x800401F3u);

// "{xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}" (braces optional, any case) to a GUID;
// CO_E_CLASSSTRING for anything else.
VRMWND_PLATFORM_API HRESULT CLSIDFromString(LPCSTR text, CLSID* clsid);
// The same for identifiers written in the program; an invalid text gives GUID{}.
VRMWND_PLATFORM_API GUID GuidFromText(LPCSTR text);

// An interface's identifier and name: DECLARE_INTERFACE_IID(IFoo, "...") after the
// interface, at namespace scope; uuidof<IFoo>() reads it.
template <class T>
struct InterfaceIdentity;
#define DECLARE_INTERFACE_IID(Interface, text)       \
  template <>                                        \
  struct InterfaceIdentity<Interface> {              \
    static constexpr const char* kName = #Interface; \
    static const IID& Get() {                        \
      static const IID iid = GuidFromText(text);     \
      return iid;                                    \
    }                                                \
  };
template <class T>
const IID& uuidof() {
  return InterfaceIdentity<T>::Get();
}
DECLARE_INTERFACE_IID(IUnknown, "00000000-0000-0000-C000-000000000046")

// Creates an object of the class for the interface asked; returns its result and
// sets *ppv (null on failure).
using ClassCreator = std::function<HRESULT(REFIID riid, void** ppv)>;
// Registers (or replaces) the class; an empty creator removes it. Returns the
// creator it replaces.
VRMWND_PLATFORM_API ClassCreator CoRegisterClassCreator(REFCLSID clsid, ClassCreator creator);
// REGDB_E_CLASSNOTREG for a class nobody registered, CLASS_E_NOAGGREGATION with an
// outer object, E_POINTER without ppv; otherwise the creator's result.
VRMWND_PLATFORM_API HRESULT CoCreateInstance(REFCLSID rclsid, IUnknown* pUnkOuter, DWORD dwClsContext, REFIID riid,
                                             void** ppv);
