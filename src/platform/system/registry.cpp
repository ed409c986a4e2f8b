// Registry keys and values over "registry.ini": one section per key path, named
// with its root ("[HKEY_LOCAL_MACHINE\SOFTWARE\Telvaro]"), values written
// "Name=sz:text" or "Name=dword:123". Texts escape backslash, line breaks, tabs,
// vertical tabs, form feeds and edge spaces, so every value reads back exactly as
// written.
#include "vrmwnd/platform/registry.h"

#include <sys/stat.h>

#include <cstring>
#include <ctime>
#include <memory>
#include <mutex>
#include <string_view>

#include "ini_text.h"
#include "vrmwnd/platform/home.h"

struct HKEY__ {
  std::string path;  // section name: root name, then "\" and the sub path
};

namespace vrmwnd::platform::detail {
namespace {

const char* root_name(HKEY key) {
  if (key == HKEY_LOCAL_MACHINE) return "HKEY_LOCAL_MACHINE";
  if (key == HKEY_CURRENT_USER) return "HKEY_CURRENT_USER";
  if (key == HKEY_CLASSES_ROOT) return "HKEY_CLASSES_ROOT";
  return nullptr;
}

// The section name of `key`, or false when `key` is not a root nor an opened key.
bool key_path(HKEY key, std::string* path) {
  if (key == nullptr) return false;
  if (const char* root = root_name(key)) {
    *path = root;
    return true;
  }
  *path = key->path;
  return true;
}

// Joins a sub path, dropping empty parts ("A\\B\" -> "A\B").
std::string join(const std::string& base, const char* sub_key) {
  std::string out = base;
  std::string_view rest = sub_key ? sub_key : "";
  while (!rest.empty()) {
    const std::size_t end = rest.find('\\');
    const std::string_view part = rest.substr(0, end);
    if (!part.empty()) {
      out += '\\';
      out += part;
    }
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
  }
  return out;
}

std::string registry_file() { return GetPlatformHomeDirectory() + "/registry.ini"; }

bool same_file(const struct stat& a, const struct stat& b) {
  return a.st_ino == b.st_ino && a.st_dev == b.st_dev && a.st_size == b.st_size &&
         a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec &&
         a.st_ctim.tv_sec == b.st_ctim.tv_sec && a.st_ctim.tv_nsec == b.st_ctim.tv_nsec;
}

// The registry file's sections, indexed without reading their values (a query reads
// only the section it asks for), kept while the file stays the same one: every write
// replaces it by a rename (a new inode), so a changed file is always seen, while a
// large file is read once per change, not at every query. A file changed in the last
// seconds is read again every time: an edit in place within one tick of the file
// system's clock would keep its size and times.
std::shared_ptr<const IniIndex> load() {
  static std::mutex mutex;
  static std::shared_ptr<const IniIndex> cached;
  static std::string cached_path;
  static struct stat cached_stat {};
  static const auto empty = std::make_shared<const IniIndex>(std::string());
  if (GetPlatformHomeDirectory().empty()) return empty;
  const std::string path = registry_file();
  struct stat info;
  if (::stat(path.c_str(), &info) != 0) return empty;
  std::string text;
  if (std::time(nullptr) - info.st_mtim.tv_sec < 3) {
    read_file(path, &text);
    return std::make_shared<const IniIndex>(std::move(text));
  }
  std::lock_guard lock(mutex);
  if (cached && cached_path == path && same_file(info, cached_stat)) return cached;
  read_file(path, &text);
  cached = std::make_shared<const IniIndex>(std::move(text));
  cached_path = path;
  cached_stat = info;
  return cached;
}

bool key_exists(const IniIndex& ini, const std::string& path) {
  if (path.find('\\') == std::string::npos) return true;  // a root always exists
  for (const std::string& name : ini.section_names()) {
    if (iequals(name, path)) return true;
    if (name.size() > path.size() && name[path.size()] == '\\' &&
        iequals(std::string_view(name).substr(0, path.size()), path))
      return true;
  }
  return false;
}

// Every blank the ini reader trims (isspace: space, \t, \n, \v, \f, \r) is escaped
// where trimming would lose it; the control blanks everywhere, the space at the edges.
std::string escape(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\\')
      out += "\\\\";
    else if (c == '\n')
      out += "\\n";
    else if (c == '\r')
      out += "\\r";
    else if (c == '\t')
      out += "\\t";
    else if (c == '\v')
      out += "\\v";
    else if (c == '\f')
      out += "\\f";
    else if (c == ' ' && (i == 0 || i + 1 == text.size()))
      out += "\\s";
    else
      out += c;
  }
  return out;
}

std::string unescape(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      out += text[i];
      continue;
    }
    const char c = text[++i];
    switch (c) {
      case 'n': out += '\n'; break;
      case 'r': out += '\r'; break;
      case 's': out += ' '; break;
      case 't': out += '\t'; break;
      case 'v': out += '\v'; break;
      case 'f': out += '\f'; break;
      default: out += c; break;
    }
  }
  return out;
}

HKEY new_handle(std::string path) { return new HKEY__{std::move(path)}; }

struct SetRequest {
  std::string section;
  std::string name;
  std::string value;  // empty with erase
  bool erase = false;
  bool removed = false;
};

void apply_set(std::string* text, void* ctx) {
  auto* request = static_cast<SetRequest*>(ctx);
  IniText ini = IniText::parse(*text);
  if (request->erase)
    request->removed = ini.erase(request->section, request->name);
  else if (request->name.empty() && request->value.empty())
    ini.section(request->section);
  else
    ini.set(request->section, request->name, request->value);
  *text = ini.serialize();
}

bool store(SetRequest& request) {
  if (GetPlatformHomeDirectory().empty()) return false;  // no home: nowhere to keep it
  make_directories(GetPlatformHomeDirectory());
  return edit_file_locked(registry_file(), apply_set, &request);
}

// The name under which the default value of a key is kept.
std::string value_key(LPCSTR name) { return name && *name ? name : "@"; }

}  // namespace
}  // namespace vrmwnd::platform::detail

LSTATUS RegOpenKeyExA(HKEY key, LPCSTR sub_key, DWORD, REGSAM, PHKEY result) {
  if (result == nullptr) return ERROR_INVALID_PARAMETER;
  *result = nullptr;
  std::string base;
  if (!detail::key_path(key, &base)) return ERROR_INVALID_HANDLE;
  const std::string path = detail::join(base, sub_key);
  if (path.find('\\') != std::string::npos && !detail::key_exists(*detail::load(), path)) return ERROR_FILE_NOT_FOUND;
  *result = detail::new_handle(path);
  return ERROR_SUCCESS;
}

LSTATUS RegCreateKeyExA(HKEY key, LPCSTR sub_key, DWORD, LPSTR, DWORD, REGSAM, const void*, PHKEY result,
                        LPDWORD disposition) {
  if (result == nullptr) return ERROR_INVALID_PARAMETER;
  *result = nullptr;
  std::string base;
  if (!detail::key_path(key, &base)) return ERROR_INVALID_HANDLE;
  const std::string path = detail::join(base, sub_key);
  const bool existed = detail::key_exists(*detail::load(), path);
  if (!existed) {
    detail::SetRequest request{path, "", "", false, false};
    if (!detail::store(request)) return static_cast<LSTATUS>(ERROR_ACCESS_DENIED);
  }
  if (disposition) *disposition = existed ? REG_OPENED_EXISTING_KEY : REG_CREATED_NEW_KEY;
  *result = detail::new_handle(path);
  return ERROR_SUCCESS;
}

LSTATUS RegQueryValueExA(HKEY key, LPCSTR value_name, LPDWORD, LPDWORD type, LPBYTE data, LPDWORD data_size) {
  std::string path;
  if (!detail::key_path(key, &path)) return ERROR_INVALID_HANDLE;
  if (data != nullptr && data_size == nullptr) return ERROR_INVALID_PARAMETER;
  std::string stored;
  if (!detail::load()->find(path, detail::value_key(value_name), &stored)) return ERROR_FILE_NOT_FOUND;
  std::string bytes;
  DWORD value_type = REG_NONE;
  if (stored.rfind("dword:", 0) == 0) {
    const DWORD number = static_cast<DWORD>(std::strtoul(stored.c_str() + 6, nullptr, 10));
    bytes.assign(reinterpret_cast<const char*>(&number), sizeof number);
    value_type = REG_DWORD;
  } else if (stored.rfind("sz:", 0) == 0) {
    bytes = detail::unescape(std::string_view(stored).substr(3));
    bytes += '\0';
    value_type = REG_SZ;
  } else {
    return ERROR_BADKEY;
  }
  if (type) *type = value_type;
  if (data_size == nullptr) return ERROR_SUCCESS;
  const DWORD needed = static_cast<DWORD>(bytes.size());
  const DWORD room = *data_size;
  *data_size = needed;
  if (data == nullptr) return ERROR_SUCCESS;
  if (room < needed) return ERROR_MORE_DATA;
  std::memcpy(data, bytes.data(), needed);
  return ERROR_SUCCESS;
}

LSTATUS RegSetValueExA(HKEY key, LPCSTR value_name, DWORD, DWORD type, const BYTE* data, DWORD data_size) {
  std::string path;
  if (!detail::key_path(key, &path)) return ERROR_INVALID_HANDLE;
  if (data == nullptr && data_size != 0) return ERROR_INVALID_PARAMETER;
  std::string value;
  if (type == REG_SZ) {
    const char* text = reinterpret_cast<const char*>(data);
    std::size_t length = 0;
    while (length < data_size && text[length] != '\0') ++length;
    value = "sz:" + detail::escape(std::string_view(text ? text : "", length));
  } else if (type == REG_DWORD) {
    if (data_size != sizeof(DWORD)) return ERROR_INVALID_PARAMETER;
    DWORD number;
    std::memcpy(&number, data, sizeof number);
    value = "dword:" + std::to_string(number);
  } else {
    return ERROR_INVALID_PARAMETER;
  }
  detail::SetRequest request{path, detail::value_key(value_name), value, false, false};
  return detail::store(request) ? ERROR_SUCCESS : static_cast<LSTATUS>(ERROR_ACCESS_DENIED);
}

LSTATUS RegDeleteValueA(HKEY key, LPCSTR value_name) {
  std::string path;
  if (!detail::key_path(key, &path)) return ERROR_INVALID_HANDLE;
  detail::SetRequest request{path, detail::value_key(value_name), "", true, false};
  if (!detail::store(request)) return static_cast<LSTATUS>(ERROR_ACCESS_DENIED);
  return request.removed ? ERROR_SUCCESS : static_cast<LSTATUS>(ERROR_FILE_NOT_FOUND);
}

LSTATUS RegCloseKey(HKEY key) {
  if (key == nullptr) return ERROR_INVALID_HANDLE;
  if (detail::root_name(key) == nullptr) delete key;
  return ERROR_SUCCESS;
}
