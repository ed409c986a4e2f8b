// Ini text in memory, whole-file reads and locked whole-file replacement.
#include "ini_text.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace vrmwnd::platform::detail {
namespace {

std::string_view trim(std::string_view s) {
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
  return s;
}

bool write_all(int fd, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

bool iequals(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

IniText IniText::parse(std::string_view text) {
  IniText ini;
  IniSection* current = nullptr;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = trim(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      const std::size_t close = line.find(']');
      if (close == std::string_view::npos) continue;
      current = &ini.section(trim(line.substr(1, close - 1)));
      continue;
    }
    const std::size_t eq = line.find('=');
    if (current == nullptr || eq == std::string_view::npos) continue;
    current->entries.push_back(
        {std::string(trim(line.substr(0, eq))), std::string(trim(line.substr(eq + 1)))});
  }
  return ini;
}

std::string IniText::serialize() const {
  std::string out;
  for (const IniSection& s : sections_) {
    out += '[';
    out += s.name;
    out += "]\n";
    for (const IniEntry& e : s.entries) {
      out += e.key;
      out += '=';
      out += e.value;
      out += '\n';
    }
    out += '\n';
  }
  return out;
}

const IniSection* IniText::find_section(std::string_view name) const {
  for (const IniSection& s : sections_)
    if (iequals(s.name, name)) return &s;
  return nullptr;
}

IniSection& IniText::section(std::string_view name) {
  for (IniSection& s : sections_)
    if (iequals(s.name, name)) return s;
  sections_.push_back({std::string(name), {}});
  return sections_.back();
}

const IniEntry* IniText::find(std::string_view section, std::string_view key) const {
  const IniSection* s = find_section(section);
  if (s == nullptr) return nullptr;
  for (const IniEntry& e : s->entries)
    if (iequals(e.key, key)) return &e;
  return nullptr;
}

void IniText::set(std::string_view section_name, std::string_view key, std::string value) {
  IniSection& s = section(section_name);
  for (IniEntry& e : s.entries) {
    if (iequals(e.key, key)) {
      e.value = std::move(value);
      return;
    }
  }
  s.entries.push_back({std::string(key), std::move(value)});
}

bool IniText::erase(std::string_view section_name, std::string_view key) {
  for (IniSection& s : sections_) {
    if (!iequals(s.name, section_name)) continue;
    for (auto it = s.entries.begin(); it != s.entries.end(); ++it) {
      if (iequals(it->key, key)) {
        s.entries.erase(it);
        return true;
      }
    }
  }
  return false;
}

bool read_file(const std::string& path, std::string* text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream buffer;
  buffer << in.rdbuf();
  *text = buffer.str();
  return true;
}

std::string native_path(std::string_view path) {
  std::string out(path);
  for (char& c : out)
    if (c == '\\') c = '/';
  return out;
}

bool make_directories(const std::string& path) {
  std::error_code error;
  std::filesystem::create_directories(path, error);
  return std::filesystem::is_directory(path, error);
}

bool edit_file_locked(const std::string& path, void (*edit)(std::string* text, void* ctx),
                      void* ctx) {
  const std::string lock_path = path + ".lock";
  const int lock_fd = ::open(lock_path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (lock_fd < 0) return false;
  bool ok = false;
  if (::flock(lock_fd, LOCK_EX) == 0) {
    std::string text;
    read_file(path, &text);
    edit(&text, ctx);
    const std::string temp = path + ".tmp." + std::to_string(::getpid());
    // Exclusive and never through a link: a leftover of an earlier process with this pid
    // (or a link planted in its place) is removed, not written through.
    constexpr int kFlags = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;
    int fd = ::open(temp.c_str(), kFlags, 0644);
    if (fd < 0 && errno == EEXIST && ::unlink(temp.c_str()) == 0) fd = ::open(temp.c_str(), kFlags, 0644);
    if (fd >= 0) {
      ok = write_all(fd, text) && ::fsync(fd) == 0;
      ok = ::close(fd) == 0 && ok;
      ok = ok && std::rename(temp.c_str(), path.c_str()) == 0;
      if (!ok) std::remove(temp.c_str());
    }
    ::flock(lock_fd, LOCK_UN);
  }
  ::close(lock_fd);
  return ok;
}

}  // namespace vrmwnd::platform::detail
