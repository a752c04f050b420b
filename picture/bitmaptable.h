#pragma once

// The embedded vehicle bitmaps, addressed by index as the picture's letter table does
// (0 truck wheel, 1 truck head, ... 19 tractor back). Their sizes are read from the loaded pixmaps.
inline constexpr int kVehicleBitmapCount = 20;
extern const char* const kVehicleBitmaps[kVehicleBitmapCount];

// The resource path of bitmap `index`, or nullptr (with a warning) outside 0 .. count - 1.
const char* vehicleBitmapPath(int index);
