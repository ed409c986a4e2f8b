// The process's COM security, set once.
#include "vrmwnd/platform/comsecurity.h"
#include "vrmwnd/platform/testing.h"

namespace vrmwnd::platform::detail {
namespace {

struct ComSecurity {
  bool initialized = false;
  DWORD authentication_level = RPC_C_AUTHN_LEVEL_DEFAULT;
};

ComSecurity& com_security() {
  static ComSecurity instance;
  return instance;
}

}  // namespace
}  // namespace vrmwnd::platform::detail

HRESULT CoInitializeSecurity(void*, LONG, void*, void*, DWORD dwAuthnLevel, DWORD dwImpLevel, void*, DWORD, void*) {
  auto& security = vrmwnd::platform::detail::com_security();
  if (security.initialized) return RPC_E_TOO_LATE;
  if (dwAuthnLevel > RPC_C_AUTHN_LEVEL_PKT_PRIVACY || dwImpLevel > RPC_C_IMP_LEVEL_DELEGATE) return E_INVALIDARG;
  security.initialized = true;
  security.authentication_level = dwAuthnLevel;
  return S_OK;
}

bool GetComSecurityForTesting(DWORD* authentication_level) {
  const auto& security = vrmwnd::platform::detail::com_security();
  if (authentication_level != nullptr) *authentication_level = security.authentication_level;
  return security.initialized;
}

void ResetComSecurityForTesting() { vrmwnd::platform::detail::com_security() = {}; }
