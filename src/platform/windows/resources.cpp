// Registered modules, the current resource handle and the dialog templates of each
// module, searched as MFC's resource chain.
#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "icons_detail.h"
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
  std::map<UINT, char> icons;  // a handle is the address of its slot
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
    m.list.push_back(std::make_unique<Module>(Module{"", {}, true, {}, {}}));  // the main program
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

// The module that has the resource `id` in the map `member`: the current resource
// handle, then every module of the chain.
template <class T>
Module* module_in_chain(std::map<UINT, T> Module::*member, UINT id) {
  auto has = [member, id](Module* m) { return m != nullptr && (m->*member).contains(id); };
  if (Module* current = module_of(AfxGetResourceHandle()); has(current)) return current;
  for (auto& m : modules().list)
    if (m->in_chain && has(m.get())) return m.get();
  return nullptr;
}

template <class T>
const T* find_in_chain(std::map<UINT, T> Module::*member, UINT id) {
  Module* m = module_in_chain(member, id);
  return m ? &(m->*member).at(id) : nullptr;
}

}  // namespace

const MENUTEMPLATEDESC* find_module_menu(HINSTANCE module, UINT id) {
  Module* m = module_of(module);
  if (m == nullptr) return nullptr;
  auto it = m->menus.find(id);
  return it == m->menus.end() ? nullptr : &it->second;
}

HICON find_module_icon(HINSTANCE module, UINT id) {
  Module* m = module_of(module);
  if (m == nullptr) return nullptr;
  auto it = m->icons.find(id);
  return it == m->icons.end() ? nullptr : reinterpret_cast<HICON>(&it->second);
}

}  // namespace vrmwnd::platform::detail

HINSTANCE AfxRegisterModule(LPCSTR file_name) {
  if (HMODULE existing = GetModuleHandleA(file_name)) return existing;
  auto& list = detail::modules().list;
  list.push_back(std::make_unique<detail::Module>(detail::Module{detail::base_name(file_name), {}, true, {}, {}}));
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

void AfxRegisterIcon(HINSTANCE module, UINT id) {
  if (detail::Module* m = detail::module_of(module)) m->icons.try_emplace(id, '\0');
}

HINSTANCE AfxFindResourceHandle(LPCSTR name, LPCSTR type) {
  const auto id = static_cast<UINT>(reinterpret_cast<std::uintptr_t>(name));
  detail::Module* found = nullptr;
  if (type == RT_MENU)
    found = detail::module_in_chain(&detail::Module::menus, id);
  else if (type == RT_DIALOG)
    found = detail::module_in_chain(&detail::Module::dialogs, id);
  else if (type == RT_GROUP_ICON)
    found = detail::module_in_chain(&detail::Module::icons, id);
  return found ? reinterpret_cast<HINSTANCE>(found) : AfxGetResourceHandle();
}

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
