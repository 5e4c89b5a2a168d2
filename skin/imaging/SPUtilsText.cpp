#include "skin/imaging/SPUtilsText.h"

#include <vector>

namespace tmv {

std::string FitTextToWidth(const std::string& text, int32_t width, const TTextMeasure& measure) {
  if (measure(text) <= width) return text;
  // Character boundaries can only be found from the start of a double-byte string.
  std::vector<size_t> ends;
  for (size_t at = 0; at < text.size(); at += GbkCharLength(text, at))
    ends.push_back(at + GbkCharLength(text, at));
  static const std::string kEllipsis = "...";
  while (!ends.empty()) {
    ends.pop_back();
    const size_t length = ends.empty() ? 0 : ends.back();
    std::string shortened = text.substr(0, length) + kEllipsis;
    if (length == 0 || measure(shortened) <= width) return shortened;
  }
  return kEllipsis;
}

}  // namespace tmv
