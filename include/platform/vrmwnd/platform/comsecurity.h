// COM's security for the whole process: CoInitializeSecurity is accepted once, and
// the authentication level it was given is the one every later call uses.
#pragma once

#include "vrmwnd/platform/export.h"
#include "vrmwnd/platform/wintypes.h"

constexpr DWORD RPC_C_AUTHN_LEVEL_DEFAULT = 0, RPC_C_AUTHN_LEVEL_NONE = 1, RPC_C_AUTHN_LEVEL_CONNECT = 2,
                RPC_C_AUTHN_LEVEL_CALL = 3, RPC_C_AUTHN_LEVEL_PKT = 4, RPC_C_AUTHN_LEVEL_PKT_INTEGRITY = 5,
                RPC_C_AUTHN_LEVEL_PKT_PRIVACY = 6;
constexpr DWORD RPC_C_IMP_LEVEL_DEFAULT = 0, RPC_C_IMP_LEVEL_ANONYMOUS = 1, RPC_C_IMP_LEVEL_IDENTIFY = 2,
                RPC_C_IMP_LEVEL_IMPERSONATE = 3, RPC_C_IMP_LEVEL_DELEGATE = 4;
constexpr DWORD EOAC_NONE = 0;
constexpr HRESULT RPC_E_TOO_LATE = static_cast<HRESULT>(0x80010119u);

// S_OK the first time; RPC_E_TOO_LATE (and nothing changes) after; E_INVALIDARG for
// an authentication level above RPC_C_AUTHN_LEVEL_PKT_PRIVACY or an impersonation
// level above RPC_C_IMP_LEVEL_DELEGATE. The descriptors and lists are accepted and
// ignored.
VRMWND_PLATFORM_API HRESULT CoInitializeSecurity(void* pSecDesc, LONG cAuthSvc, void* asAuthSvc, void* pReserved1,
                                                 DWORD dwAuthnLevel, DWORD dwImpLevel, void* pAuthList,
                                                 DWORD dwCapabilities, void* pReserved3);
