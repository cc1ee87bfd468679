// The logic names the system's numbers without <windows.h>, so that it builds and is tested
// natively; a wrong one would pass every test there, and the program would miss the message or
// misread the answer. Here, where both are seen, each is the system's own.
#include "platform/win32/Win32.h"
// (after <windows.h>, whose types they use)
#include <dbt.h>

#include "drives/VolumeNotification.h"
#include "platform/System.h"
#include "ui/Geometry.h"

static_assert(msg::Null == WM_NULL && msg::SettingChange == WM_SETTINGCHANGE &&
              msg::TimeChange == WM_TIMECHANGE && msg::DisplayChange == WM_DISPLAYCHANGE &&
              msg::DpiChanged == WM_DPICHANGED && msg::PowerBroadcast == WM_POWERBROADCAST &&
              msg::NcHitTest == WM_NCHITTEST && msg::DeviceChange == WM_DEVICECHANGE &&
              msg::CopyData == WM_COPYDATA && msg::MouseMove == WM_MOUSEMOVE &&
              msg::IconMetricsSetting == SPI_SETICONMETRICS);
static_assert(msg::LButtonDown == WM_LBUTTONDOWN && msg::LButtonUp == WM_LBUTTONUP &&
              msg::LButtonDblClk == WM_LBUTTONDBLCLK && msg::RButtonDown == WM_RBUTTONDOWN &&
              msg::RButtonUp == WM_RBUTTONUP && msg::RButtonDblClk == WM_RBUTTONDBLCLK);
static_assert(shgfi::Icon == SHGFI_ICON && shgfi::DisplayName == SHGFI_DISPLAYNAME &&
              shgfi::SmallIcon == SHGFI_SMALLICON && shgfi::IconLocation == SHGFI_ICONLOCATION);
static_assert(mb::Ok == MB_OK && mb::YesNo == MB_YESNO && mb::DefaultButton2 == MB_DEFBUTTON2 &&
              mb::IconHand == MB_ICONHAND && mb::IconQuestion == MB_ICONQUESTION &&
              mb::IconExclamation == MB_ICONEXCLAMATION && mb::IconAsterisk == MB_ICONASTERISK &&
              mb::IconStop == MB_ICONSTOP && mb::IdOk == IDOK && mb::IdYes == IDYES &&
              mb::IdNo == IDNO);
static_assert(errorcode::FileNotFound == ERROR_FILE_NOT_FOUND &&
              errorcode::PathNotFound == ERROR_PATH_NOT_FOUND &&
              errorcode::SharingViolation == ERROR_SHARING_VIOLATION &&
              errorcode::FileExists == ERROR_FILE_EXISTS &&
              errorcode::AlreadyExists == ERROR_ALREADY_EXISTS &&
              errorcode::FileReadOnly == ERROR_FILE_READ_ONLY &&
              errorcode::InvalidFunction == ERROR_INVALID_FUNCTION &&
              errorcode::NotSupported == ERROR_NOT_SUPPORTED &&
              errorcode::InvalidParameter == ERROR_INVALID_PARAMETER &&
              errorcode::CallNotImplemented == ERROR_CALL_NOT_IMPLEMENTED);
static_assert(sem::FailCriticalErrors == SEM_FAILCRITICALERRORS && ShowNormal == SW_SHOWNORMAL &&
              see::InvokeIdList == SEE_MASK_INVOKEIDLIST && see::FlagNoUi == SEE_MASK_FLAG_NO_UI);
static_assert(nif::Message == NIF_MESSAGE && nif::Icon == NIF_ICON && nif::Tip == NIF_TIP);
static_assert(dbt::DeviceArrival == DBT_DEVICEARRIVAL &&
              dbt::DeviceRemoveComplete == DBT_DEVICEREMOVECOMPLETE && dbt::Media == DBTF_MEDIA &&
              dbt::Net == DBTF_NET);

namespace syscolor = ui::syscolor;
using ui::SystemColor;
static_assert(syscolor::ActiveCaption == SystemColor(COLOR_ACTIVECAPTION) &&
              syscolor::Menu == SystemColor(COLOR_MENU) &&
              syscolor::Window == SystemColor(COLOR_WINDOW) &&
              syscolor::MenuText == SystemColor(COLOR_MENUTEXT) &&
              syscolor::WindowText == SystemColor(COLOR_WINDOWTEXT) &&
              syscolor::Highlight == SystemColor(COLOR_HIGHLIGHT) &&
              syscolor::HighlightText == SystemColor(COLOR_HIGHLIGHTTEXT) &&
              syscolor::BtnFace == SystemColor(COLOR_BTNFACE) &&
              syscolor::BtnShadow == SystemColor(COLOR_BTNSHADOW) &&
              syscolor::GrayText == SystemColor(COLOR_GRAYTEXT) &&
              syscolor::BtnHighlight == SystemColor(COLOR_BTNHIGHLIGHT) &&
              syscolor::GradientActiveCaption == SystemColor(COLOR_GRADIENTACTIVECAPTION) &&
              syscolor::MenuHilight == SystemColor(COLOR_MENUHILIGHT));
