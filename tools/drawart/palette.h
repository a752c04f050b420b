#pragma once

#include <QColor>

// The vehicles are black silhouettes, like the filled rectangles the picture joins them with;
// glass, lamps and wheel rims are the only colours.
namespace palette {
inline const QColor body(0, 0, 0);
inline const QColor paper(255, 255, 255);
inline const QColor glass(169, 204, 227);
inline const QColor lamp(255, 213, 74);
inline const QColor tailLamp(215, 38, 43);
inline const QColor trim(64, 64, 64);
inline const QColor chrome(181, 181, 181);
inline const QColor rim(201, 201, 201);
inline const QColor hub(138, 138, 138);
inline const QColor hubDark(85, 85, 85);
inline const QColor sign(255, 179, 0);
inline const QColor tractorRim(242, 183, 5);
inline const QColor unknownTyre(107, 107, 107);
} // namespace palette
