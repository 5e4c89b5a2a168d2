#include "framework/core/Strings.h"

#include "framework/core/Exceptions.h"
#include "framework/core/TextUtils.h"

namespace tmv {

void TStrings::IndexError(int index) {
  throw EStringListError(Format("List index out of bounds (%d)", index));
}

void TStrings::Put(int index, const std::string& s) {
  Delete(index);
  Insert(index, s);
}

void TStrings::Clear() {
  while (Count() > 0) Delete(Count() - 1);
}

int TStrings::Add(const std::string& s) {
  int index = Count();
  Insert(index, s);
  return index;
}

void TStrings::Assign(const TStrings& source) {
  if (&source == this) return;
  Assign(source.ToVector());
}

void TStrings::Assign(const std::vector<std::string>& lines) {
  Clear();
  for (const std::string& line : lines) Add(line);
}

std::vector<std::string> TStrings::ToVector() const {
  std::vector<std::string> lines;
  lines.reserve(static_cast<size_t>(Count()));
  for (int i = 0; i < Count(); ++i) lines.push_back(Get(i));
  return lines;
}

int TStrings::IndexOf(const std::string& s) const {
  for (int i = 0; i < Count(); ++i)
    if (SameText(Get(i), s)) return i;
  return -1;
}

int TStrings::IndexOfName(const std::string& name) const {
  for (int i = 0; i < Count(); ++i) {
    std::string line = Get(i);
    size_t eq = line.find('=');
    if (eq != std::string::npos && SameText(line.substr(0, eq), name)) return i;
  }
  return -1;
}

std::string TStrings::Names(int index) const {
  std::string line = Get(index);
  size_t eq = line.find('=');
  return eq == std::string::npos ? std::string() : line.substr(0, eq);
}

std::string TStrings::ValueFromIndex(int index) const {
  std::string line = Get(index);
  size_t eq = line.find('=');
  return eq == std::string::npos ? std::string() : line.substr(eq + 1);
}

std::string TStrings::Values(const std::string& name) const {
  int index = IndexOfName(name);
  return index < 0 ? std::string() : ValueFromIndex(index);
}

void TStrings::SetValue(const std::string& name, const std::string& value) {
  int index = IndexOfName(name);
  if (index < 0)
    Add(name + "=" + value);
  else
    Put(index, name + "=" + value);
}

std::string TStrings::Text() const {
  std::string text;
  for (int i = 0; i < Count(); ++i) {
    text += Get(i);
    text += "\r\n";
  }
  return text;
}

void TStrings::SetText(const std::string& text) {
  Clear();
  std::string_view rest(text);
  while (!rest.empty()) Add(std::string(TakeLine(rest)));
}

void TStrings::LoadFromStream(TStream& stream) { SetText(ReadToEnd(stream)); }

void TStrings::SaveToStream(TStream& stream) const {
  std::string text = Text();
  stream.WriteBuffer(text.data(), static_cast<int32_t>(text.size()));
}

void TStrings::LoadFromFile(const std::string& fileName) {
  TFileStream file(fileName, fmOpenRead);
  LoadFromStream(file);
}

void TStrings::SaveToFile(const std::string& fileName) const {
  TFileStream file(fileName, fmCreate);
  SaveToStream(file);
}

void TStringList::CheckIndex(int index, int limit) const {
  if (index < 0 || index > limit) IndexError(index);
}

std::string TStringList::Get(int index) const {
  CheckIndex(index, Count() - 1);
  return lines_[static_cast<size_t>(index)];
}

void TStringList::Put(int index, const std::string& s) {
  CheckIndex(index, Count() - 1);
  lines_[static_cast<size_t>(index)] = s;
}

void TStringList::Insert(int index, const std::string& s) {
  CheckIndex(index, Count());
  lines_.insert(lines_.begin() + index, s);
}

void TStringList::Delete(int index) {
  CheckIndex(index, Count() - 1);
  lines_.erase(lines_.begin() + index);
}

}  // namespace tmv
