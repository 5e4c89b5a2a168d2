#pragma once
// Lists of text lines: the abstract TStrings with the operations every list shares, and
// TStringList, which keeps its lines in memory.
#include <string>
#include <vector>

#include "framework/core/Streams.h"

namespace tmv {

class TStrings {
public:
  virtual ~TStrings() = default;

  virtual int Count() const = 0;
  // An index outside 0..Count()-1 raises EStringListError "List index out of bounds (%d)".
  virtual std::string Get(int index) const = 0;
  virtual void Put(int index, const std::string& s);
  // Index may be Count(), to append.
  virtual void Insert(int index, const std::string& s) = 0;
  virtual void Delete(int index) = 0;
  virtual void Clear();

  std::string operator[](int index) const { return Get(index); }
  std::string Strings(int index) const { return Get(index); }
  int Add(const std::string& s);
  void Assign(const TStrings& source);
  void Assign(const std::vector<std::string>& lines);
  std::vector<std::string> ToVector() const;
  // First line equal to s without regard to letter case; -1 when none.
  int IndexOf(const std::string& s) const;

  // Lines of the form name=value: the name is the text before the first "=", compared
  // without regard to letter case; the first line of a name is the one found.
  int IndexOfName(const std::string& name) const;
  std::string Names(int index) const;            // empty for a line without "="
  std::string ValueFromIndex(int index) const;   // the text after the first "="
  std::string Values(const std::string& name) const;  // empty when no line has the name
  void SetValue(const std::string& name, const std::string& value);

  // Every line followed by CR LF.
  std::string Text() const;
  // Lines end at CR LF, CR or LF; a break at the very end starts no further line.
  void SetText(const std::string& text);

  // Reads from the stream's position to its end.
  void LoadFromStream(TStream& stream);
  void SaveToStream(TStream& stream) const;
  void LoadFromFile(const std::string& fileName);
  void SaveToFile(const std::string& fileName) const;

protected:
  [[noreturn]] static void IndexError(int index);
};

class TStringList : public TStrings {
public:
  TStringList() = default;
  explicit TStringList(std::vector<std::string> lines) : lines_(std::move(lines)) {}

  int Count() const override { return static_cast<int>(lines_.size()); }
  std::string Get(int index) const override;
  void Put(int index, const std::string& s) override;
  void Insert(int index, const std::string& s) override;
  void Delete(int index) override;
  void Clear() override { lines_.clear(); }

private:
  void CheckIndex(int index, int limit) const;
  std::vector<std::string> lines_;
};

}  // namespace tmv
