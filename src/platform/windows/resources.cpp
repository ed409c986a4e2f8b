// Registered modules, the current resource handle and the dialog templates of each
// module, searched as MFC's resource chain.
#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "menu_detail.h"
#include "platform_detail.h"
#include "vrmwnd/platform/resources.h"
#include "vrmwnd/platform/winmenu.h"

namespace vrmwnd::platform::detail {
namespace {

struct Module {
  std::string name;  // lower-case base name
  std::map<UINT, DLGTEMPLATEDESC> dialogs;
  bool in_chain = true;
  std::map<UINT, MENUTEMPLATEDESC> menus;
};

struct Modules {
  std::vector<std::unique_ptr<Module>> list;
  HINSTANCE resource = nullptr;
};

std::string base_name(const char* file_name) {
  std::string name = file_name ? file_name : "";
  auto slash = name.find_last_of("/\\");
  if (slash != std::string::npos) name.erase(0, slash + 1);
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return name;
}

Modules& modules() {
  static Modules instance = [] {
    Modules m;
    m.list.push_back(std::make_unique<Module>(Module{"", {}, true, {}}));  // the main program
    m.resource = reinterpret_cast<HINSTANCE>(m.list.front().get());
    return m;
  }();
  return instance;
}

Module* module_of(HINSTANCE instance) {
  for (auto& m : modules().list)
    if (reinterpret_cast<HINSTANCE>(m.get()) == instance) return m.get();
  return nullptr;
}

// The resource `id` of the map `member` in the current resource handle, then in
// every module of the chain.
template <class T>
const T* find_in_chain(std::map<UINT, T> Module::*member, UINT id) {
  auto find_in = [member, id](Module* m) -> const T* {
    if (m == nullptr) return nullptr;
    auto it = (m->*member).find(id);
    return it == (m->*member).end() ? nullptr : &it->second;
  };
  if (auto* found = find_in(module_of(AfxGetResourceHandle()))) return found;
  for (auto& m : modules().list)
    if (m->in_chain)
      if (auto* found = find_in(m.get())) return found;
  return nullptr;
}

}  // namespace

const MENUTEMPLATEDESC* find_module_menu(HINSTANCE module, UINT id) {
  Module* m = module_of(module);
  if (m == nullptr) return nullptr;
  auto it = m->menus.find(id);
  return it == m->menus.end() ? nullptr : &it->second;
}

}  // namespace vrmwnd::platform::detail

HINSTANCE AfxRegisterModule(LPCSTR file_name) {
  if (HMODULE existing = GetModuleHandleA(file_name)) return existing;
  auto& list = detail::modules().list;
  list.push_back(std::make_unique<detail::Module>(detail::Module{detail::base_name(file_name), {}, true, {}}));
  return reinterpret_cast<HINSTANCE>(list.back().get());
}

HMODULE GetModuleHandleA(LPCSTR module_name) {
  auto& list = detail::modules().list;
  if (module_name == nullptr) return reinterpret_cast<HMODULE>(list.front().get());
  std::string name = detail::base_name(module_name);
  for (std::size_t i = 1; i < list.size(); ++i)
    if (list[i]->name == name) return reinterpret_cast<HMODULE>(list[i].get());
  SetLastError(126);  // ERROR_MOD_NOT_FOUND
  return nullptr;
}

HINSTANCE AfxGetResourceHandle() { return detail::modules().resource; }
void AfxSetResourceHandle(HINSTANCE instance) { detail::modules().resource = instance; }
HINSTANCE AfxGetInstanceHandle() { return GetModuleHandleA(nullptr); }

void AfxRegisterDialogTemplate(HINSTANCE module, UINT id, const DLGTEMPLATEDESC& dialog) {
  if (detail::Module* m = detail::module_of(module)) m->dialogs[id] = dialog;
}

const DLGTEMPLATEDESC* AfxFindDialogTemplate(UINT id) { return detail::find_in_chain(&detail::Module::dialogs, id); }

void AfxRegisterMenuTemplate(HINSTANCE module, UINT id, const MENUTEMPLATEDESC& menu) {
  if (detail::Module* m = detail::module_of(module)) m->menus[id] = menu;
}

const MENUTEMPLATEDESC* AfxFindMenuTemplate(UINT id) { return detail::find_in_chain(&detail::Module::menus, id); }

BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule) {
  detail::Module* m = detail::module_of(hModule);
  if (m == nullptr) return FALSE;
  m->in_chain = true;
  state.bInitialized = TRUE;
  state.hModule = state.hResource = hModule;
  return TRUE;
}

void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL) {
  if (!state.bInitialized) return;
  if (detail::Module* m = detail::module_of(state.hModule)) m->in_chain = false;
  state.bInitialized = FALSE;
}
