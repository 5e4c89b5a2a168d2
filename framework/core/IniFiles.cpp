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
  text_.clear();
  sections_.clear();
  RebuildIndex();
}

void TMemIniFile::SetStrings(const TStrings& lines) {
  Clear();
  TSection* current = nullptr;
  for (int i = 0; i < lines.Count(); ++i) AddLine(View(Keep(lines.Get(i))), current);
}

void TMemIniFile::SetText(std::string text) {
  Clear();
  text_ = std::move(text);
  TSection* current = nullptr;
  std::string_view rest(text_);
  while (!rest.empty()) AddLine(TakeLine(rest), current);
}

TMemIniFile::TSpan TMemIniFile::Keep(std::string_view s) {
  const TSpan span{text_.size(), s.size()};
  text_.append(s);
  return span;
}

TMemIniFile::TSpan TMemIniFile::SpanOf(std::string_view view) const {
  return {static_cast<size_t>(view.data() - text_.data()), view.size()};
}

void TMemIniFile::AddLine(std::string_view text, TSection*& current) {
  const std::string_view line = TrimmedView(text);
  if (line.empty() || line[0] == ';') return;
  if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
    current = &AddSection(SpanOf(TrimmedView(line.substr(1, line.size() - 2))));
    return;
  }
  if (!current) return;
  size_t eq = line.find('=');
  if (eq == std::string_view::npos)
    AddEntry(*current, {SpanOf(line), {0, 0}, false});
  else
    AddEntry(*current, {SpanOf(TrimmedView(line.substr(0, eq))), SpanOf(TrimmedView(line.substr(eq + 1))), true});
}

TMemIniFile::TSection& TMemIniFile::AddSection(TSpan name) {
  // Room for the twenty or so keys a skin's section holds, taken at once rather than by
  // growing the lists again and again while a definition is read.
  constexpr size_t kUsualKeyCount = 24;
  TSection& section = sections_.emplace_back(TSection{name, {}, {}});
  section.Entries.reserve(kUsualKeyCount);
  section.KeyIndex.Reserve(kUsualKeyCount);
  index_.Add(View(name), sections_.size() - 1);
  return section;
}

void TMemIniFile::AddEntry(TSection& section, const TEntry& entry) {
  if (entry.IsKey) section.KeyIndex.Add(View(entry.Key), section.Entries.size());
  section.Entries.push_back(entry);
}

void TMemIniFile::RebuildIndex() {
  index_.Clear();
  lastSection_ = TSameTextIndex::npos;
  for (size_t i = 0; i < sections_.size(); ++i) index_.Add(View(sections_[i].Name), i);
}

void TMemIniFile::RebuildKeyIndex(TSection& section) {
  section.KeyIndex.Clear();
  for (size_t i = 0; i < section.Entries.size(); ++i)
    if (section.Entries[i].IsKey) section.KeyIndex.Add(View(section.Entries[i].Key), i);
}

const TMemIniFile::TSection* TMemIniFile::FindSection(std::string_view name) const {
  // The index finds the first section of a name, so a later one of the same name is never
  // the one found last.
  if (lastSection_ < sections_.size() && SameText(View(sections_[lastSection_].Name), name))
    return &sections_[lastSection_];
  const size_t i = index_.Find(name, [this](size_t at) { return View(sections_[at].Name); });
  if (i == TSameTextIndex::npos) return nullptr;
  lastSection_ = i;
  return &sections_[i];
}

TMemIniFile::TSection* TMemIniFile::FindSection(std::string_view name) {
  return const_cast<TSection*>(static_cast<const TMemIniFile&>(*this).FindSection(name));
}

const TMemIniFile::TEntry* TMemIniFile::FindKey(const TSection& section, std::string_view key) const {
  const size_t i = section.KeyIndex.Find(key, [this, &section](size_t at) { return View(section.Entries[at].Key); });
  return i == TSameTextIndex::npos ? nullptr : &section.Entries[i];
}

const TMemIniFile::TEntry* TMemIniFile::FindEntry(std::string_view section,
                                                  std::string_view key) const {
  const TSection* s = FindSection(section);
  return s ? FindKey(*s, key) : nullptr;
}

std::string TMemIniFile::LineOf(const TEntry& entry) const {
  std::string line(View(entry.Key));
  if (entry.IsKey) line.append("=").append(View(entry.Value));
  return line;
}

void TMemIniFile::GetStrings(TStrings& lines) const {
  lines.Clear();
  for (size_t i = 0; i < sections_.size(); ++i) {
    if (i > 0) lines.Add("");
    lines.Add("[" + std::string(View(sections_[i].Name)) + "]");
    for (const TEntry& e : sections_[i].Entries) lines.Add(LineOf(e));
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
  return e ? std::string(View(e->Value)) : def;
}

std::optional<std::string_view> TMemIniFile::FindValue(std::string_view section,
                                                       std::string_view key) const {
  const TEntry* e = FindEntry(section, key);
  if (!e) return std::nullopt;
  return View(e->Value);
}

int TMemIniFile::ReadInteger(std::string_view section, std::string_view key, int def) const {
  const TEntry* e = FindEntry(section, key);
  return e ? StrToIntDef(std::string(View(e->Value)), def) : def;
}

bool TMemIniFile::ReadBool(std::string_view section, std::string_view key, bool def) const {
  return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void TMemIniFile::ReadSection(std::string_view section, TStrings& keys) const {
  keys.Clear();
  for (std::string_view key : SectionKeys(section)) keys.Add(std::string(key));
}

std::vector<std::string_view> TMemIniFile::SectionKeys(std::string_view section) const {
  std::vector<std::string_view> keys;
  if (const TSection* s = FindSection(section))
    for (const TEntry& e : s->Entries)
      if (e.IsKey) keys.push_back(View(e.Key));
  return keys;
}

void TMemIniFile::ReadSectionValues(std::string_view section, TStrings& lines) const {
  lines.Clear();
  if (const TSection* s = FindSection(section))
    for (const TEntry& e : s->Entries)
      if (e.IsKey) lines.Add(LineOf(e));
}

void TMemIniFile::ReadSections(TStrings& sections) const {
  sections.Clear();
  for (size_t i = 0; i < sections_.size(); ++i)
    if (FindSection(View(sections_[i].Name)) == &sections_[i]) sections.Add(std::string(View(sections_[i].Name)));
}

void TMemIniFile::WriteString(const std::string& section, const std::string& key,
                              const std::string& value) {
  TSection* s = FindSection(section);
  if (!s) s = &AddSection(Keep(section));
  const TEntry* found = FindKey(*s, key);
  if (!found) {
    const TSpan keySpan = Keep(key);
    AddEntry(*s, {keySpan, Keep(value), true});
    return;
  }
  TSpan& old = s->Entries[static_cast<size_t>(found - s->Entries.data())].Value;
  // A value no longer than the one it replaces takes its place, so writing a key again and
  // again does not keep growing the text.
  if (value.size() <= old.Length)
    old = {old.Start, value.copy(&text_[old.Start], value.size())};
  else
    old = Keep(value);
}

void TMemIniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
  WriteString(section, key, IntToStr(value));
}

void TMemIniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

void TMemIniFile::EraseSection(const std::string& section) {
  sections_.erase(std::remove_if(sections_.begin(), sections_.end(),
                                 [this, &section](const TSection& s) { return SameText(View(s.Name), section); }),
                  sections_.end());
  RebuildIndex();
}

void TMemIniFile::DeleteKey(const std::string& section, const std::string& key) {
  TSection* s = FindSection(section);
  if (!s) return;
  const TEntry* entry = FindKey(*s, key);
  if (!entry) return;
  s->Entries.erase(s->Entries.begin() + (entry - s->Entries.data()));
  RebuildKeyIndex(*s);
}

}  // namespace tmv
