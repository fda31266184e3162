#pragma once
// An INI text held in memory: sections in order, each with its entries in order. Reading and
// writing keep everything the document does not change exactly where it was, so the host gets
// an administrator's settings file back with only the assistant's keys touched.
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tutorial {

class IniDocument {
 public:
  // Reads INI text. Lines end at CR LF, CR or LF. Empty lines, lines beginning with ";" and
  // lines before the first section are dropped; "[name]" opens a section; any other line is
  // an entry whose key is the text before its first "=" (all of it when there is none).
  // A section or key that appears again continues, or replaces, the first one.
  static IniDocument Parse(std::string_view text);

  // The value of a key, or empty. Section and key names match without regard to letter case.
  std::string Get(std::string_view section, std::string_view key) const;
  // An existing entry keeps its place and takes the value; a missing one goes to the end of
  // its section, a missing section to the end of the document. A line break inside the value
  // becomes one space, so no value can start a line of its own.
  void Set(std::string_view section, std::string_view key, std::string_view value);

  // The document as lines: "[section]", then "key=value" per entry (an entry read without
  // "=" as it was written), then an empty line, for each section in order.
  std::vector<std::string> Lines() const;

  size_t SectionCount() const { return sections_.size(); }

 private:
  struct Entry {
    std::string key;
    std::string value;
    bool hasEquals = true;
  };
  struct Section {
    std::string name;
    std::vector<Entry> entries;
    std::unordered_map<std::string, size_t> index;  // folded key -> position in entries
  };

  Section& SectionNamed(std::string_view name);
  const Section* FindSection(std::string_view name) const;
  static void Put(Section& section, Entry entry);

  std::vector<Section> sections_;
  std::unordered_map<std::string, size_t> index_;  // folded name -> position in sections_
};

}  // namespace tutorial
