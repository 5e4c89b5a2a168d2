#include "framework/core/IniFiles.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "framework/core/TextUtils.h"

namespace tmv {

TMemIniFile::TMemIniFile(const std::string& fileName) {
  TStringList lines;
  lines.LoadFromFile(fileName);
  SetStrings(lines);
}

void TMemIniFile::Clear() {
  sections_.clear();
  index_.Clear();
}

void TMemIniFile::SetStrings(const TStrings& lines) {
  Clear();
  TSection* current = nullptr;
  for (int i = 0; i < lines.Count(); ++i) AddLine(lines.Get(i), current);
}

void TMemIniFile::SetText(std::string_view text) {
  Clear();
  TSection* current = nullptr;
  while (!text.empty()) {
    const size_t end = text.find_first_of("\r\n");
    AddLine(text.substr(0, end), current);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1));
  }
}

void TMemIniFile::AddLine(std::string_view text, TSection*& current) {
  const std::string_view line = TrimmedView(text);
  if (line.empty() || line[0] == ';') return;
  if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
    current = &AddSection(std::string(TrimmedView(line.substr(1, line.size() - 2))));
    return;
  }
  if (!current) return;
  size_t eq = line.find('=');
  if (eq == std::string_view::npos)
    current->Add({std::string(line), std::string(), false});
  else
    current->Add({std::string(TrimmedView(line.substr(0, eq))),
                  std::string(TrimmedView(line.substr(eq + 1))), true});
}

TMemIniFile::TSection& TMemIniFile::AddSection(const std::string& name) {
  sections_.emplace_back(name);
  index_.Add(name, sections_.size() - 1);
  return sections_.back();
}

void TMemIniFile::RebuildIndex() {
  index_.Clear();
  for (size_t i = 0; i < sections_.size(); ++i) index_.Add(sections_[i].Name, i);
}

const TMemIniFile::TSection* TMemIniFile::FindSection(std::string_view name) const {
  const size_t i = index_.Find(name, [this](size_t at) -> const std::string& { return sections_[at].Name; });
  return i == TSameTextIndex::npos ? nullptr : &sections_[i];
}

TMemIniFile::TSection* TMemIniFile::FindSection(std::string_view name) {
  return const_cast<TSection*>(static_cast<const TMemIniFile&>(*this).FindSection(name));
}

const TMemIniFile::TEntry* TMemIniFile::FindEntry(std::string_view section,
                                                  std::string_view key) const {
  const TSection* s = FindSection(section);
  return s ? s->Find(key) : nullptr;
}

void TMemIniFile::TSection::Add(TEntry entry) {
  if (entry.IsKey) keyIndex_.Add(entry.Key, entries_.size());
  entries_.push_back(std::move(entry));
}

const TMemIniFile::TEntry* TMemIniFile::TSection::Find(std::string_view key) const {
  const size_t i = keyIndex_.Find(key, [this](size_t at) -> const std::string& { return entries_[at].Key; });
  return i == TSameTextIndex::npos ? nullptr : &entries_[i];
}

TMemIniFile::TEntry* TMemIniFile::TSection::Find(std::string_view key) {
  return const_cast<TEntry*>(static_cast<const TSection&>(*this).Find(key));
}

void TMemIniFile::TSection::Erase(std::string_view key) {
  const TEntry* entry = Find(key);
  if (!entry) return;
  entries_.erase(entries_.begin() + (entry - entries_.data()));
  RebuildKeyIndex();
}

void TMemIniFile::TSection::RebuildKeyIndex() {
  keyIndex_.Clear();
  for (size_t i = 0; i < entries_.size(); ++i)
    if (entries_[i].IsKey) keyIndex_.Add(entries_[i].Key, i);
}

void TMemIniFile::GetStrings(TStrings& lines) const {
  lines.Clear();
  for (size_t i = 0; i < sections_.size(); ++i) {
    if (i > 0) lines.Add("");
    lines.Add("[" + sections_[i].Name + "]");
    for (const TEntry& e : sections_[i].Entries()) lines.Add(e.IsKey ? e.Key + "=" + e.Value : e.Key);
  }
}

void TMemIniFile::SaveToStream(TStream& stream) const {
  TStringList lines;
  GetStrings(lines);
  lines.SaveToStream(stream);
}

void TMemIniFile::SaveToFile(const std::string& fileName) const {
  TStringList lines;
  GetStrings(lines);
  lines.SaveToFile(fileName);
}

bool TMemIniFile::SectionExists(std::string_view section) const {
  return FindSection(section) != nullptr;
}

bool TMemIniFile::ValueExists(std::string_view section, std::string_view key) const {
  return FindEntry(section, key) != nullptr;
}

std::string TMemIniFile::ReadString(std::string_view section, std::string_view key,
                                    const std::string& def) const {
  const TEntry* e = FindEntry(section, key);
  return e ? e->Value : def;
}

const std::string* TMemIniFile::FindValue(std::string_view section, std::string_view key) const {
  const TEntry* e = FindEntry(section, key);
  return e ? &e->Value : nullptr;
}

int TMemIniFile::ReadInteger(std::string_view section, std::string_view key, int def) const {
  const TEntry* e = FindEntry(section, key);
  return e ? StrToIntDef(e->Value, def) : def;
}

bool TMemIniFile::ReadBool(std::string_view section, std::string_view key, bool def) const {
  return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void TMemIniFile::ReadSection(std::string_view section, TStrings& keys) const {
  keys.Clear();
  if (const TSection* s = FindSection(section))
    for (const TEntry& e : s->Entries())
      if (e.IsKey) keys.Add(e.Key);
}

void TMemIniFile::ReadSectionValues(std::string_view section, TStrings& lines) const {
  lines.Clear();
  if (const TSection* s = FindSection(section))
    for (const TEntry& e : s->Entries())
      if (e.IsKey) lines.Add(e.Key + "=" + e.Value);
}

void TMemIniFile::ReadSections(TStrings& sections) const {
  sections.Clear();
  for (size_t i = 0; i < sections_.size(); ++i)
    if (FindSection(sections_[i].Name) == &sections_[i]) sections.Add(sections_[i].Name);
}

void TMemIniFile::WriteString(const std::string& section, const std::string& key,
                              const std::string& value) {
  TSection* s = FindSection(section);
  if (!s) s = &AddSection(section);
  if (TEntry* e = s->Find(key))
    e->Value = value;
  else
    s->Add({key, value, true});
}

void TMemIniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
  WriteString(section, key, IntToStr(value));
}

void TMemIniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

void TMemIniFile::EraseSection(const std::string& section) {
  sections_.erase(std::remove_if(sections_.begin(), sections_.end(),
                                 [&section](const TSection& s) { return SameText(s.Name, section); }),
                  sections_.end());
  RebuildIndex();
}

void TMemIniFile::DeleteKey(const std::string& section, const std::string& key) {
  if (TSection* s = FindSection(section)) s->Erase(key);
}

}  // namespace tmv
