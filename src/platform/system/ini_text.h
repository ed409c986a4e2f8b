// The text of an ini file held in memory: sections of (key, value) lines in file
// order, looked up without regard to case as Windows does, or only indexed by section
// for a large file read many times. Shared by the registry file and the private
// profile files.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform_detail.h"

namespace vrmwnd::platform::detail {

struct IniEntry {
  std::string key;
  std::string value;
};

struct IniSection {
  std::string name;
  std::vector<IniEntry> entries;
};

class IniText {
 public:
  // Parses "[section]" lines and "key=value" lines; blanks around names and values
  // are dropped, lines starting with ';' are comments, other lines are ignored.
  static IniText parse(std::string_view text);
  std::string serialize() const;

  const IniSection* find_section(std::string_view name) const;
  IniSection& section(std::string_view name);  // creates it at the end when missing
  const IniEntry* find(std::string_view section, std::string_view key) const;
  void set(std::string_view section, std::string_view key, std::string value);
  bool erase(std::string_view section, std::string_view key);
  const std::vector<IniSection>& sections() const { return sections_; }

 private:
  std::vector<IniSection> sections_;
};

// The sections of an ini text without their entries: the names, in file order, and
// where each one's lines are, so that a large file is looked up by reading only the
// section asked for. Finds what IniText::parse(text) would find.
class IniIndex {
 public:
  explicit IniIndex(std::string text);
  const std::vector<std::string>& section_names() const { return names_; }
  // The value of `key` in `section`; false when there is none.
  bool find(std::string_view section, std::string_view key, std::string* value) const;

 private:
  struct Lines {
    std::size_t begin;
    std::size_t end;
  };
  std::string text_;
  std::vector<std::string> names_;
  std::vector<std::vector<Lines>> lines_;  // per name: its runs of lines
};

bool iequals(std::string_view a, std::string_view b);
// Whole file as text; false when it cannot be read.
bool read_file(const std::string& path, std::string* text);
// Backslashes become slashes: callers build paths the Windows way.
std::string native_path(std::string_view path);
// Creates the folder and every missing folder above it; false when it cannot.
bool make_directories(const std::string& path);
// Replaces `path` with `text` under an exclusive lock on "<path>.lock": the edit
// re-reads the file inside the lock, so concurrent writers serialise. Returns false
// when the folder cannot be written.
bool edit_file_locked(const std::string& path, void (*edit)(std::string* text, void* ctx), void* ctx);

}  // namespace vrmwnd::platform::detail
