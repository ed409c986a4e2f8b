// Window messages registered by name, unique in the process, and the
// case-insensitive comparison used for class names:
//
// | call                          | result                                           |
// |-------------------------------|--------------------------------------------------|
// | first name                    | the next number from 0xC000 up                   |
// | a name already registered     | the same number (the name's case is ignored)     |
// | nullptr or ""                 | 0 with ERROR_INVALID_PARAMETER                   |
#include <cctype>
#include <map>
#include <string>

#include "window_detail.h"

namespace vrmwnd::platform::detail {
namespace {

constexpr UINT kFirstRegisteredMessage = 0xC000;

struct RegisteredMessages {
  std::map<std::string, UINT> by_name;  // lower-case names
  UINT next = kFirstRegisteredMessage;
};

std::string lower_text(LPCSTR text) {
  std::string result = text ? text : "";
  for (char& c : result) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return result;
}

RegisteredMessages& registered() {
  static RegisteredMessages instance;
  return instance;
}

}  // namespace
}  // namespace vrmwnd::platform::detail

UINT RegisterWindowMessageA(LPCSTR name) {
  if (name == nullptr || *name == '\0') {
    SetLastError(87);  // ERROR_INVALID_PARAMETER
    return 0;
  }
  auto& messages = vrmwnd::platform::detail::registered();
  auto [it, inserted] = messages.by_name.emplace(vrmwnd::platform::detail::lower_text(name), messages.next);
  if (inserted) ++messages.next;
  return it->second;
}

int lstrcmpiA(LPCSTR a, LPCSTR b) {
  const std::string la = vrmwnd::platform::detail::lower_text(a);
  const std::string lb = vrmwnd::platform::detail::lower_text(b);
  return la < lb ? -1 : (la == lb ? 0 : 1);
}
