// COM's process security: accepted once, with the levels checked.
#include <gtest/gtest.h>

#include "vrmwnd/platform/comsecurity.h"
#include "vrmwnd/platform/testing.h"

TEST(ComSecurityTest, AcceptedOnceWithValidLevels) {
  constexpr struct {
    DWORD authn, imp;
    HRESULT first;
  } kCases[] = {
      {RPC_C_AUTHN_LEVEL_NONE, RPC_C_IMP_LEVEL_IMPERSONATE, S_OK},
      {RPC_C_AUTHN_LEVEL_PKT_PRIVACY, RPC_C_IMP_LEVEL_DELEGATE, S_OK},
      {RPC_C_AUTHN_LEVEL_PKT_PRIVACY + 1, RPC_C_IMP_LEVEL_IDENTIFY, E_INVALIDARG},
      {RPC_C_AUTHN_LEVEL_CONNECT, RPC_C_IMP_LEVEL_DELEGATE + 1, E_INVALIDARG},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.authn << "/" << c.imp);
    ResetComSecurityForTesting();
    EXPECT_EQ(CoInitializeSecurity(nullptr, -1, nullptr, nullptr, c.authn, c.imp, nullptr, EOAC_NONE, nullptr),
              c.first);
    DWORD level = 99;
    EXPECT_EQ(GetComSecurityForTesting(&level), c.first == S_OK);
    if (c.first == S_OK) {
      EXPECT_EQ(level, c.authn);
      EXPECT_EQ(CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_DEFAULT, c.imp, nullptr,
                                     EOAC_NONE, nullptr),
                RPC_E_TOO_LATE);
      GetComSecurityForTesting(&level);
      EXPECT_EQ(level, c.authn) << "the second call changes nothing";
    }
  }
  ResetComSecurityForTesting();
}
