#include "picture/bitmaptable.h"

#include <QDebug>

const char* const kVehicleBitmaps[kVehicleBitmapCount] = {
    ":/res/bmps/TruckWheel1.bmp",       // 0
    ":/res/bmps/TruckHead1.bmp",        // 1
    ":/res/bmps/LightTruckHead.bmp",    // 2
    ":/res/bmps/CarTireS.bmp",          // 3
    ":/res/bmps/CarHeadS1.bmp",         // 4
    ":/res/bmps/CarBackS1.bmp",         // 5
    ":/res/bmps/VanTire.bmp",           // 6
    ":/res/bmps/VanHead.bmp",           // 7
    ":/res/bmps/VanBack.bmp",           // 8
    ":/res/bmps/BusTire.bmp",           // 9
    ":/res/bmps/BusHead.bmp",           // 10
    ":/res/bmps/BusBack.bmp",           // 11
    ":/res/bmps/BusLink.bmp",           // 12
    ":/res/bmps/MotorTire2.bmp",        // 13
    ":/res/bmps/MotorHead2.bmp",        // 14
    ":/res/bmps/MotorBack2.bmp",        // 15
    ":/res/bmps/UnclassifiedWheel.bmp", // 16
    ":/res/bmps/TractorTire.bmp",       // 17
    ":/res/bmps/TractorHead.bmp",       // 18
    ":/res/bmps/TractorBack.bmp",       // 19
};

const char* vehicleBitmapPath(int index)
{
    if (index < 0 || index >= kVehicleBitmapCount) {
        qWarning() << "vehicleBitmapPath: index" << index << "outside" << kVehicleBitmapCount
                   << "bitmaps";
        return nullptr;
    }
    return kVehicleBitmaps[index];
}
