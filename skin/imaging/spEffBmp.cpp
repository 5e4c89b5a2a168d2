#include "skin/imaging/spEffBmp.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace tmv {

namespace {

uint8_t ToChannel(double v) {
  const double r = std::nearbyint(v);
  if (!(r > 0)) return 0;  // NaN too
  if (r >= 255) return 255;
  return static_cast<uint8_t>(r);
}

// Round-to-even of a size times a factor, kept far inside the integer range whatever k is.
int64_t RoundedSpan(int32_t size, double k) {
  const double r = std::nearbyint(size * k);
  if (std::isnan(r)) return 0;
  return static_cast<int64_t>(std::clamp(r, -4.0 * INT32_MAX, 4.0 * INT32_MAX));
}

double Clamp01(double k) {
  if (std::isnan(k)) return 0;
  return std::clamp(k, 0.0, 1.0);
}

void Mix(uint8_t* a, const uint8_t* b, double wa, double wb) {
  for (int c = 0; c < 3; ++c) a[c] = ToChannel(wa * a[c] + wb * b[c]);
}

// Blends with weight w of A: round(w*A + (1 - w)*B).
void Weigh(uint8_t* a, const uint8_t* b, double w) { Mix(a, b, w, 1 - w); }

template <class F>
void ForEachChannel(TspEffectBmp& bmp, F f) {
  for (int32_t y = 0; y < bmp.Height(); ++y) {
    uint8_t* p = bmp.Row(y);
    for (int32_t i = 0; i < 3 * bmp.Width(); ++i) p[i] = f(p[i]);
  }
}

// Blends the columns from `first` to `last` (inclusive, either way round) with a weight of A
// that is 0 at `first` and grows by `step` a column, capped at 1.
void GradientColumns(uint8_t* a, const uint8_t* q, int64_t first, int64_t last, double step) {
  const int64_t direction = last >= first ? 1 : -1;
  double weight = 0;
  for (int64_t x = first;; x += direction) {
    Weigh(a + 3 * x, q + 3 * x, weight);
    weight = std::min(1.0, weight + step);
    if (x == last) break;
  }
}

// The number of columns a slide moves: round(width * k), at least 1 and at most width - 1.
int64_t SlideSpan(int32_t width, double k) {
  return std::min<int64_t>(std::max<int64_t>(RoundedSpan(width, k), 1), width - 1);
}

int32_t ClampIndex(int64_t v, int32_t size) {
  return static_cast<int32_t>(std::clamp<int64_t>(v, 0, size - 1));
}

}  // namespace

TspEffectBmp::TspEffectBmp(int32_t width, int32_t height) : pixels_(width, height) {}

TspEffectBmp::TspEffectBmp(TFBitmap pixels) : pixels_(std::move(pixels)) {}

void TspEffectBmp::CopyFlippedTo(TspEffectBmp& other) const {
  if (&other == this || other.Width() != Width() || other.Height() != Height()) return;
  for (int32_t y = 0; y < Height(); ++y)
    std::memcpy(other.Row(Height() - 1 - y), Row(y), 3 * static_cast<size_t>(Width()));
}

void TspEffectBmp::Lighten(double k) {
  k = Clamp01(k);
  ForEachChannel(*this, [k](uint8_t c) { return ToChannel((1 - k) * c + 255 * k); });
}

void TspEffectBmp::Darken(double k) {
  k = Clamp01(k);
  ForEachChannel(*this, [k](uint8_t c) { return ToChannel((1 - k) * c); });
}

void TspEffectBmp::ToGrey() {
  for (int32_t y = 0; y < Height(); ++y) {
    uint8_t* p = Row(y);
    for (int32_t x = 0; x < Width(); ++x, p += 3) {
      const uint8_t g = ToChannel(0.3 * p[2] + 0.59 * p[1] + 0.11 * p[0]);
      p[0] = p[1] = p[2] = g;
    }
  }
}

void TspEffectBmp::AddNoise(int32_t amount) {
  static std::mt19937 random{std::random_device{}()};
  AddNoise(amount, random);
}

void TspEffectBmp::AddNoise(int32_t amount, std::mt19937& random) {
  if (amount < 1) return;
  std::uniform_int_distribution<int32_t> draw(0, amount - 1);
  for (int32_t y = 0; y < Height(); ++y) {
    uint8_t* p = Row(y);
    for (int32_t x = 0; x < Width(); ++x, p += 3) {
      const int32_t r = draw(random) - amount / 2;
      for (int c = 0; c < 3; ++c) p[c] = static_cast<uint8_t>(std::clamp(p[c] + r, 0, 255));
    }
  }
}

void TspEffectBmp::InvertColours() {
  ForEachChannel(*this, [](uint8_t c) { return static_cast<uint8_t>(255 - c); });
}

void TspEffectBmp::ApplyEffect(TspEffect effect) {
  switch (effect) {
    case ieBrightness: Lighten(0.5); break;
    case ieDarkness: Darken(0.3); break;
    case ieGrayScale: ToGrey(); break;
    case ieNoise: AddNoise(50); break;
    case ieSplitBlur: BlurFourPoint(1); break;
    case ieInvert: InvertColours(); break;
  }
}

void TspEffectBmp::Morph(TspMorphKind kind, const TspEffectBmp& b, double k) {
  switch (kind) {
    case mkDefault: BlendWith(b, k); break;
    case mkGradient: BlendFromCentre(b, k); break;
    case mkLeftGradient: BlendFromLeft(b, k); break;
    case mkRightGradient: BlendFromRight(b, k); break;
    case mkLeftSlide: SlideInFromLeft(b, k); break;
    case mkRightSlide: SlideInFromRight(b, k); break;
    case mkPush: PushInFromLeft(b, k); break;
  }
}

void TspEffectBmp::BlurFourPoint(int32_t d) {
  if (d == 0 || pixels_.Empty()) return;
  const int32_t w = Width(), h = Height();
  for (int32_t y = 0; y < h; ++y) {
    const int64_t up = int64_t{y} - d, down = int64_t{y} + d;
    const int32_t upper = ClampIndex(up >= 0 ? up : y, h);
    const int32_t lower = ClampIndex(down < h ? down : int64_t{h} - y, h);
    uint8_t* row = Row(y);
    const uint8_t* rowUp = Row(upper);
    const uint8_t* rowDown = Row(lower);
    for (int32_t x = 0; x < w; ++x) {
      const int64_t l = int64_t{x} - d, r = int64_t{x} + d;
      const int32_t left = 3 * ClampIndex(l >= 0 ? l : x, w);
      const int32_t right = 3 * ClampIndex(r < w ? r : int64_t{w} - x, w);
      for (int c = 0; c < 3; ++c)
        row[3 * x + c] = static_cast<uint8_t>(
            (rowUp[left + c] + rowDown[left + c] + rowUp[right + c] + rowDown[right + c]) >> 2);
    }
  }
}

void TspEffectBmp::BlendWith(const TspEffectBmp& b, double k) {
  if (!SameSize(b)) return;
  k = Clamp01(k);
  for (int32_t y = 0; y < Height(); ++y) {
    uint8_t* a = Row(y);
    const uint8_t* q = b.Row(y);
    for (int32_t x = 0; x < Width(); ++x) Mix(a + 3 * x, q + 3 * x, 1 - k, k);
  }
}

void TspEffectBmp::BlendRectWith(const TspEffectBmp& b, const TRect& rect, int32_t firstRowOfB,
                                 int32_t firstColumnOfB, double k) {
  if (!SameSize(b)) return;
  k = Clamp01(k);
  const int64_t x0 = std::max<int64_t>(rect.Left, 0), x1 = std::min<int64_t>(rect.Right, Width());
  const int64_t y0 = std::max<int64_t>(rect.Top, 0), y1 = std::min<int64_t>(rect.Bottom, Height());
  for (int64_t y = y0; y < y1; ++y) {
    const int64_t by = firstRowOfB + y - rect.Top;
    if (by < 0 || by >= b.Height()) continue;
    uint8_t* a = Row(static_cast<int32_t>(y));
    const uint8_t* q = b.Row(static_cast<int32_t>(by));
    for (int64_t x = x0; x < x1; ++x) {
      const int64_t bx = firstColumnOfB + x - rect.Left;
      if (bx < 0 || bx >= b.Width()) continue;
      Mix(a + 3 * x, q + 3 * bx, 1 - k, k);
    }
  }
}

void TspEffectBmp::BlendFromLeft(const TspEffectBmp& b, double k) {
  if (!SameSize(b)) return;
  const int32_t width = Width();
  int64_t w = RoundedSpan(width, k);
  if (w <= 0) w = 1;
  if (w > width - 1) w = width - 1;
  const double step = w > 0 ? 1.0 / w : 1;
  for (int32_t y = 0; y < Height(); ++y) GradientColumns(Row(y), b.Row(y), 0, w, step);
}

void TspEffectBmp::BlendFromRight(const TspEffectBmp& b, double k) {
  if (!SameSize(b)) return;
  const int32_t width = Width();
  int64_t a0 = width - RoundedSpan(width, k);
  if (a0 < 0) a0 = 0;
  if (a0 > width - 1) a0 = width - 1;
  const double step = width - a0 > 0 ? 1.0 / (width - a0) : 1;
  for (int32_t y = 0; y < Height(); ++y) GradientColumns(Row(y), b.Row(y), width - 1, a0, step);
}

void TspEffectBmp::BlendFromCentre(const TspEffectBmp& b, double k) {
  if (Width() < Height())
    BlendFromCentreVertical(b, k);
  else
    BlendFromCentreHorizontal(b, k);
}

void TspEffectBmp::BlendFromCentreHorizontal(const TspEffectBmp& b, double k) {
  if (!SameSize(b)) return;
  // Outside 0..1 the solid band would start beyond the picture and the gradient run backwards.
  k = Clamp01(k);
  const int32_t width = Width();
  const int64_t band = RoundedSpan(width, k);
  const int64_t g = (width - band) / 2;
  const double step = g != 0 ? 1.0 / g : 1;
  const int64_t left = std::max<int64_t>(0, width / 2 - band / 2);
  const int64_t right = std::min<int64_t>(width - 1, width / 2 + band / 2);
  for (int32_t y = 0; y < Height(); ++y) {
    uint8_t* a = Row(y);
    const uint8_t* q = b.Row(y);
    if (left <= right) std::memcpy(a + 3 * left, q + 3 * left, 3 * (right - left + 1));
    GradientColumns(a, q, left, 0, step);
    GradientColumns(a, q, right, width - 1, step);
  }
}

void TspEffectBmp::BlendFromCentreVertical(const TspEffectBmp& b, double k) {
  if (!SameSize(b)) return;
  k = Clamp01(k);
  const int32_t height = Height();
  const size_t rowBytes = 3 * static_cast<size_t>(Width());
  const int64_t band = RoundedSpan(height, k);
  const int64_t length = (height - 1 - band) / 2;
  const double step = length != 0 ? 1.0 / length : 0;
  const int64_t top = std::max<int64_t>(0, height / 2 - band / 2);
  const int64_t bottom = std::min<int64_t>(height - 1, height / 2 + band / 2);
  for (int64_t y = top; y <= bottom; ++y)
    std::memcpy(Row(static_cast<int32_t>(y)), b.Row(static_cast<int32_t>(y)), rowBytes);
  auto blendRow = [&](int64_t y, double weight) {
    uint8_t* a = Row(static_cast<int32_t>(y));
    const uint8_t* q = b.Row(static_cast<int32_t>(y));
    for (int32_t x = 0; x < Width(); ++x) Weigh(a + 3 * x, q + 3 * x, weight);
  };
  double weight = 0;
  for (int64_t y = top; y >= 0; --y) {
    blendRow(y, weight);
    weight = std::min(1.0, weight + step);
  }
  weight = 0;
  for (int64_t y = bottom; y < height; ++y) {
    blendRow(y, weight);
    weight = std::min(1.0, weight + step);
  }
}

void TspEffectBmp::SlideInFromLeft(const TspEffectBmp& b, double k) { Slide(b, k, true); }

void TspEffectBmp::SlideInFromRight(const TspEffectBmp& b, double k) { Slide(b, k, false); }

// The `span` columns at one edge of B appear at the other edge of A.
void TspEffectBmp::Slide(const TspEffectBmp& b, double k, bool fromLeft) {
  if (!SameSize(b)) return;
  const int32_t width = Width();
  const int64_t span = SlideSpan(width, k);
  for (int32_t y = 0; y < Height(); ++y) {
    uint8_t* a = Row(y);
    const uint8_t* q = b.Row(y);
    for (int64_t i = 0; i < span; ++i) {
      const int64_t opposite = std::min<int64_t>(width - span + i, width - 1);
      std::memcpy(a + 3 * (fromLeft ? i : opposite), q + 3 * (fromLeft ? opposite : i), 3);
    }
  }
}

void TspEffectBmp::PushInFromLeft(const TspEffectBmp& b, double k) {
  if (!SameSize(b)) return;
  const int32_t width = Width();
  const int64_t shift = std::min<int64_t>(std::max<int64_t>(RoundedSpan(width, k), 0), width - 1);
  for (int32_t y = 0; y < Height(); ++y) {
    uint8_t* a = Row(y);
    const uint8_t* q = b.Row(y);
    for (int64_t j = width - 1; j >= shift; --j)
      std::memmove(a + 3 * j, a + 3 * std::max<int64_t>(0, j - shift - 1), 3);
    for (int64_t j = 0; j <= shift; ++j)
      std::memcpy(a + 3 * j, q + 3 * std::min<int64_t>(width - shift - 1 + j, width - 1), 3);
  }
}

}  // namespace tmv
