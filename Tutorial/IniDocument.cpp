#include "Tutorial/IniDocument.h"

namespace tutorial {
namespace {

// Names compare without regard to case; the assistant's names are plain ASCII.
std::string Fold(std::string_view text) {
  std::string folded(text);
  for (char& c : folded)
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  return folded;
}

std::string OneLine(std::string_view value) {
  std::string line;
  line.reserve(value.size());
  for (size_t i = 0; i < value.size(); ++i) {
    const char c = value[i];
    if (c == '\r' || c == '\n') {
      line += ' ';
      if (c == '\r' && i + 1 < value.size() && value[i + 1] == '\n') ++i;
    } else {
      line += c;
    }
  }
  return line;
}

}  // namespace

IniDocument IniDocument::Parse(std::string_view text) {
  IniDocument document;
  Section* current = nullptr;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = text.substr(start, end - start);
    start = end;
    if (start < text.size()) start += (text[start] == '\r' && start + 1 < text.size() && text[start + 1] == '\n') ? 2 : 1;

    if (line.empty() || line.front() == ';') continue;
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      current = &document.SectionNamed(line.substr(1, line.size() - 2));
      continue;
    }
    if (!current) continue;
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos)
      Put(*current, {std::string(line), {}, false});
    else
      Put(*current, {std::string(line.substr(0, equals)), std::string(line.substr(equals + 1)), true});
  }
  return document;
}

std::string IniDocument::Get(std::string_view section, std::string_view key) const {
  const Section* found = FindSection(section);
  if (!found) return {};
  auto entry = found->index.find(Fold(key));
  return entry == found->index.end() ? std::string() : found->entries[entry->second].value;
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
  Put(SectionNamed(section), {std::string(key), OneLine(value), true});
}

std::vector<std::string> IniDocument::Lines() const {
  std::vector<std::string> lines;
  for (const Section& section : sections_) {
    lines.push_back("[" + section.name + "]");
    for (const Entry& entry : section.entries)
      lines.push_back(entry.hasEquals ? entry.key + "=" + entry.value : entry.key);
    lines.emplace_back();
  }
  return lines;
}

IniDocument::Section& IniDocument::SectionNamed(std::string_view name) {
  auto [place, added] = index_.try_emplace(Fold(name), sections_.size());
  if (added) sections_.push_back({std::string(name), {}, {}});
  return sections_[place->second];
}

const IniDocument::Section* IniDocument::FindSection(std::string_view name) const {
  auto place = index_.find(Fold(name));
  return place == index_.end() ? nullptr : &sections_[place->second];
}

void IniDocument::Put(Section& section, Entry entry) {
  auto [place, added] = section.index.try_emplace(Fold(entry.key), section.entries.size());
  if (added) {
    section.entries.push_back(std::move(entry));
    return;
  }
  // The entry keeps its place and the spelling of its key as first written.
  Entry& existing = section.entries[place->second];
  existing.value = std::move(entry.value);
  existing.hasEquals = entry.hasEquals || existing.hasEquals;
}

}  // namespace tutorial
