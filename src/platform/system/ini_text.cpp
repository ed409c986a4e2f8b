// Ini text in memory, whole-file reads and locked whole-file replacement.
#include "ini_text.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unordered_map>

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
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  }
  return true;
}

namespace {

// One line of ini text: a section header gives its name, a "key=value" line its parts
// (blanks around each dropped); comments, blank and other lines give nothing.
enum class LineKind { kNone, kSection, kEntry };
LineKind read_line(std::string_view line, std::string_view* name, std::string_view* value) {
  line = trim(line);
  if (line.empty() || line.front() == ';') return LineKind::kNone;
  if (line.front() == '[') {
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos) return LineKind::kNone;
    *name = trim(line.substr(1, close - 1));
    return LineKind::kSection;
  }
  const std::size_t eq = line.find('=');
  if (eq == std::string_view::npos) return LineKind::kNone;
  *name = trim(line.substr(0, eq));
  *value = trim(line.substr(eq + 1));
  return LineKind::kEntry;
}

std::string lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

// Calls on_line(name or key, value, kind, offset of the next line) for every line.
template <class OnLine>
void for_each_line(std::string_view text, OnLine on_line) {
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t end = std::min(text.find('\n', at), text.size());
    std::string_view name, value;
    const LineKind kind = read_line(text.substr(at, end - at), &name, &value);
    at = end + 1;
    if (kind != LineKind::kNone) on_line(kind, name, value, std::min(at, text.size()));
  }
}

}  // namespace

IniText IniText::parse(std::string_view text) {
  IniText ini;
  IniSection* current = nullptr;
  // Sections by their name in lower case, so that a file of many sections is read in
  // linear time (a repeated header continues the section it names).
  std::unordered_map<std::string, std::size_t> index;
  for_each_line(text, [&](LineKind kind, std::string_view name, std::string_view value, std::size_t) {
    if (kind == LineKind::kSection) {
      const auto [it, added] = index.try_emplace(lower(name), ini.sections_.size());
      if (added) ini.sections_.push_back({std::string(name), {}});
      current = &ini.sections_[it->second];
    } else if (current != nullptr) {
      current->entries.push_back({std::string(name), std::string(value)});
    }
  });
  return ini;
}

IniIndex::IniIndex(std::string text) : text_(std::move(text)) {
  std::unordered_map<std::string, std::size_t> index;
  for_each_line(text_, [&](LineKind kind, std::string_view name, std::string_view, std::size_t next) {
    if (kind != LineKind::kSection) return;
    const auto [it, added] = index.try_emplace(lower(name), names_.size());
    if (added) {
      names_.emplace_back(name);
      lines_.emplace_back();
    }
    lines_[it->second].push_back({next, text_.size()});
  });
  // Each run ends where the next header begins: close the runs in file order.
  std::vector<Lines*> runs;
  for (auto& per_name : lines_)
    for (Lines& run : per_name) runs.push_back(&run);
  std::sort(runs.begin(), runs.end(), [](const Lines* a, const Lines* b) { return a->begin < b->begin; });
  for (std::size_t i = 0; i < runs.size(); ++i) runs[i]->end = i + 1 < runs.size() ? runs[i + 1]->begin : text_.size();
}

bool IniIndex::find(std::string_view section, std::string_view key, std::string* value) const {
  for (std::size_t i = 0; i < names_.size(); ++i) {
    if (!iequals(names_[i], section)) continue;
    for (const Lines& run : lines_[i]) {
      bool found = false;
      for_each_line(std::string_view(text_).substr(run.begin, run.end - run.begin),
                    [&](LineKind kind, std::string_view name, std::string_view entry, std::size_t) {
                      if (found || kind != LineKind::kEntry || !iequals(name, key)) return;
                      *value = std::string(entry);
                      found = true;
                    });
      if (found) return true;
    }
    return false;
  }
  return false;
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

bool edit_file_locked(const std::string& path, void (*edit)(std::string* text, void* ctx), void* ctx) {
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
