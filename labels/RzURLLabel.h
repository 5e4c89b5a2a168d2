#pragma once
// A text-effect label that is a hyperlink: a hand cursor, underlined text in the colour for
// links not yet visited, and a click that opens URL (or the caption) through the shell and
// turns the text to the visited colour once that succeeded.
#include <string>

#include "labels/RzLabel.h"

namespace tmv {

class TRzURLLabel : public TRzLabel {
public:
  explicit TRzURLLabel(TComponent* owner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  const std::string& URL() const { return url_; }
  void SetURL(const std::string& url) { url_ = url; }
  bool Visited() const { return visited_; }
  void SetVisited(bool value) { Link(visited_, value); }
  TColor UnvisitedColor() const { return unvisitedColor_; }
  void SetUnvisitedColor(TColor value) { Link(unvisitedColor_, value); }
  TColor VisitedColor() const { return visitedColor_; }
  void SetVisitedColor(TColor value) { Link(visitedColor_, value); }

  void Click() override;

protected:
  // The font takes the visited or the unvisited colour.
  virtual void UpdateLinkColor();

private:
  template <class T>
  void Link(T& field, T value) {
    if (field == value) return;
    field = value;
    UpdateLinkColor();
    Invalidate();
  }

  std::string url_;
  bool visited_ = false;
  TColor unvisitedColor_ = clHighlight;
  TColor visitedColor_ = clPurple;
};

}  // namespace tmv
