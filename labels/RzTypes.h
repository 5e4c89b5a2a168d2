#pragma once
// The label library's enumerations, shared by its window-free arithmetic and its controls.
#include <cstdint>

namespace tmv {

enum TTextStyle { tsNormal, tsRaised, tsRecessed, tsShadow };
enum TRotation { roNone, roFlat, roCurve };
enum TCenterPoint {
  cpUpperLeft, cpUpperCenter, cpUpperRight,
  cpLeftCenter, cpCenter, cpRightCenter,
  cpLowerLeft, cpLowerCenter, cpLowerRight
};
enum TFrameStyleEx {
  fsNone, fsFlat, fsGroove, fsBump, fsLowered, fsButtonDown, fsRaised, fsButtonUp,
  fsStatus, fsPopup, fsFlatBold, fsFlatRounded
};
enum TTextLayout { tlTop, tlCenter, tlBottom };
enum TRzCondenseCaption { ccNone, ccAtEnd, ccWithinPath };

enum TSide : uint32_t { sdLeft = 1, sdTop = 2, sdRight = 4, sdBottom = 8 };
using TSides = uint32_t;
constexpr TSides sdAllSides = sdLeft | sdTop | sdRight | sdBottom;

}  // namespace tmv
