#pragma once

#include <cstdint>

// Window message numbers the logic needs without <windows.h>.
namespace msg {
constexpr unsigned TrayCallback = 0xFFE;  // uCallbackMessage of every tray icon
// Posted to ourselves when the taskbar was made anew: its icons are added again from the loop.
constexpr unsigned TaskbarReadd = 0xFFB;
// Posted to ourselves when the clock was changed or the computer woke up.
constexpr unsigned ScheduleCheck = 0xFFA;
// Posted to ourselves by a device change that named no drive.
constexpr unsigned UnitMaskError = 0xFF9;
// Posted to ourselves when the program was started again and handed us its command line.
constexpr unsigned StartedAgain = 0xFF8;
// Posted to ourselves when the size of small icons may have changed with the scale.
constexpr unsigned IconSizeCheck = 0xFF7;
// Posted to ourselves when a change of the icons left none to bring the window back.
constexpr unsigned ReachCheck = 0xFF6;

constexpr unsigned Null = 0x0000;
constexpr unsigned SettingChange = 0x001A;
constexpr unsigned TimeChange = 0x001E;
constexpr unsigned DisplayChange = 0x007E;
constexpr unsigned DpiChanged = 0x02E0;
constexpr unsigned PowerBroadcast = 0x0218;
constexpr unsigned NcHitTest = 0x0084;
constexpr unsigned DeviceChange = 0x0219;
constexpr unsigned CopyData = 0x004A;
constexpr unsigned LButtonDown = 0x0201;
constexpr unsigned LButtonUp = 0x0202;
constexpr unsigned LButtonDblClk = 0x0203;
constexpr unsigned RButtonDown = 0x0204;
constexpr unsigned RButtonUp = 0x0205;
constexpr unsigned RButtonDblClk = 0x0206;
constexpr unsigned MouseMove = 0x0200;
// The WParam of a SettingChange that tells of new icon metrics (SPI_SETICONMETRICS).
constexpr std::uintptr_t IconMetricsSetting = 0x002E;
}  // namespace msg

// A window message as the handlers see it.
struct WindowMessage {
    unsigned Msg = 0;
    std::uintptr_t WParam = 0;
    std::intptr_t LParam = 0;
};
