#pragma once
// An INI reader and writer held in memory, built over text lines.
//
// Reading rules:
// - every line is trimmed of leading and trailing blanks and control characters; empty
//   lines and lines that begin with ";" are ignored;
// - a line that begins with "[" and ends with "]" opens a section whose name is the trimmed
//   text between the brackets; lines before the first section are ignored;
// - any other line is split at its first "=" into key and value, each trimmed; a line
//   without "=" stays in its section (and is written back) but is never found as a key;
// - section and key names are compared without regard to letter case. When a name occurs
//   twice, the first occurrence is the one read and written; a missing section or key
//   gives the caller's default.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/SameTextIndex.h"
#include "framework/core/Strings.h"
#include "framework/core/TextUtils.h"

namespace tmv {

class TMemIniFile {
public:
  TMemIniFile() = default;
  explicit TMemIniFile(const TStrings& lines) { SetStrings(lines); }
  // A file that cannot be opened raises the file stream's EFOpenError.
  explicit TMemIniFile(const std::string& fileName);

  void SetStrings(const TStrings& lines);
  // The same from text whose lines end at CR LF, CR or LF, without making a line list first.
  // The file keeps the text as its own, so a caller done with it moves it in.
  void SetText(std::string text);
  // The sections as "[name]" lines followed by their "key=value" lines, a blank line
  // between sections.
  void GetStrings(TStrings& lines) const;
  void SaveToStream(TStream& stream) const;
  void SaveToFile(const std::string& fileName) const;

  bool SectionExists(std::string_view section) const;
  bool ValueExists(std::string_view section, std::string_view key) const;
  std::string ReadString(std::string_view section, std::string_view key,
                         const std::string& def) const;
  // The key's value as the file holds it, for readers that parse it in place; valid until
  // the file next changes. Nothing when the key is missing.
  std::optional<std::string_view> FindValue(std::string_view section, std::string_view key) const;
  // The value as StrToIntDef reads it: a value that is not an integer gives def.
  int ReadInteger(std::string_view section, std::string_view key, int def) const;
  // An integer value other than 0 is true; a missing or non-integer value gives def.
  bool ReadBool(std::string_view section, std::string_view key, bool def) const;
  void ReadSection(std::string_view section, TStrings& keys) const;
  // The section's keys in file order, as the file holds them; valid until the file next changes.
  std::vector<std::string_view> SectionKeys(std::string_view section) const;
  void ReadSectionValues(std::string_view section, TStrings& lines) const;  // key=value
  void ReadSections(TStrings& sections) const;

  void WriteString(const std::string& section, const std::string& key, const std::string& value);
  void WriteInteger(const std::string& section, const std::string& key, int value);
  void WriteBool(const std::string& section, const std::string& key, bool value);  // 1 or 0
  // Removes every section of that name, so a later write starts it afresh.
  void EraseSection(const std::string& section);
  void DeleteKey(const std::string& section, const std::string& key);
  void Clear();

private:
  // A name, key, value or line: a piece of text_. Positions rather than pointers, so the file
  // can be copied and moved and text_ can grow.
  struct TSpan {
    size_t Start;
    size_t Length;
  };
  struct TEntry {
    TSpan Key;
    TSpan Value;
    bool IsKey;  // false: a line without "=", kept as Key
  };
  // The lines of one section; keys are found through an index, since skins read thousands.
  struct TSection {
    TSpan Name;
    std::vector<TEntry> Entries;
    // Positions of the key entries in Entries.
    TSameTextIndex KeyIndex;
  };

  std::string_view View(TSpan span) const { return std::string_view(text_.data() + span.Start, span.Length); }
  // Appends s to text_.
  TSpan Keep(std::string_view s);
  // The piece of text_ that view (a part of text_) is.
  TSpan SpanOf(std::string_view view) const;
  // current is the section the line belongs to; a section line changes it.
  void AddLine(std::string_view line, TSection*& current);
  const TSection* FindSection(std::string_view name) const;
  TSection* FindSection(std::string_view name);
  // The first entry of that key in the section, letter case ignored; nullptr when there is none.
  const TEntry* FindKey(const TSection& section, std::string_view key) const;
  const TEntry* FindEntry(std::string_view section, std::string_view key) const;
  TSection& AddSection(TSpan name);
  void AddEntry(TSection& section, const TEntry& entry);
  void RebuildIndex();
  void RebuildKeyIndex(TSection& section);
  std::string LineOf(const TEntry& entry) const;

  // Every name and value of the file: the text it was read from, then what was written since.
  std::string text_;
  std::vector<TSection> sections_;
  // Positions of the sections in sections_.
  TSameTextIndex index_;
  // The position of the section found last: readers take a section's keys one after another.
  mutable size_t lastSection_ = TSameTextIndex::npos;
};

}  // namespace tmv
