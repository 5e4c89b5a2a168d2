#pragma once
// The skin definition being written: ordered sections of ordered keys, emitted as CR LF text.
// Text values are byte strings already in the program's code page.
#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "tools/skingen/Raster.h"

namespace skingen {

struct Point {
  int x = 0, y = 0;
};

class Section {
public:
  explicit Section(std::string name) : name_(std::move(name)) {}
  const std::string& name() const { return name_; }
  const std::vector<std::pair<std::string, std::string>>& keys() const { return keys_; }

  Section& text(const std::string& key, const std::string& value);
  Section& integer(const std::string& key, int value);
  Section& flag(const std::string& key, bool value);
  Section& color(const std::string& key, const Rgb& value);
  Section& point(const std::string& key, Point value);
  Section& rect(const std::string& key, const Rect& value);
  // The four division points and the client rectangle of a piece drawn with fixed borders:
  // corners of the given sizes stay, edges and centre repeat.
  Section& ninePart(const Rect& piece, int left, int top, int right, int bottom);
  // A piece that only stretches sideways: fixed ends of the given widths.
  Section& horizontalBand(const Rect& piece, int left, int right, const Rect& client);
  // A piece that only stretches downward: fixed ends of the given heights.
  Section& verticalBand(const Rect& piece, int top, int bottom, const Rect& client);
  // The caption font keys: the default face at height 14.
  Section& font(const std::string& prefix, const std::string& style, const Rgb& color);

private:
  std::string name_;
  std::vector<std::pair<std::string, std::string>> keys_;
};

class Definition {
public:
  // The section of that name, created at the end when new.
  Section& section(const std::string& name);
  // Appends "name:kind" to the list section ([SKINOBJECTS] or [SKINCONTROLS]) and opens the
  // entry's own section.
  Section& entry(const std::string& list, const std::string& name, const std::string& kind);
  // Writes the "count" keys and returns the whole text.
  std::string text() const;

private:
  std::deque<Section> sections_;  // references to sections stay valid as more are added
  std::vector<std::pair<std::string, int>> counts_;
};

// The skin's default face, "宋体", in the program's code page.
extern const char* const kFontFace;

}  // namespace skingen
