#pragma once

#include <memory>

#include "ui/Geometry.h"

namespace ui {

class Application;
class ApplicationPeer;
class Control;
class ControlPeer;
class Form;
class ImageList;
class ImageListPeer;
class OpenDialog;
class PopupMenu;
class Timer;
class TimerPeer;
enum class ModalResult;

// Makes the system side of the toolkit's objects. A null peer means: live headless.
class Backend {
public:
    virtual ~Backend() = default;
    virtual std::unique_ptr<ControlPeer> CreatePeer(Control& control) = 0;
    virtual std::unique_ptr<TimerPeer> CreateTimerPeer(Timer& timer) = 0;
    virtual std::unique_ptr<ImageListPeer> CreateImageListPeer(ImageList& list) = 0;
    virtual std::unique_ptr<ApplicationPeer> CreateApplicationPeer(Application& app) = 0;
    // Shows the form modally and returns its result when it closes.
    virtual ModalResult RunModal(Form& form) = 0;
    virtual void EndModal(Form& form) = 0;
    virtual void TrackPopup(PopupMenu& menu, Point at) = 0;
    virtual void CloseMenus() = 0;
    // Runs the file-open dialog over the active window; true when a file was chosen.
    virtual bool RunOpenDialog(OpenDialog& dialog) = 0;
    virtual void Quit() = 0;
    // The program was asked to end: loops that wait must give up.
    virtual bool QuitRequested() const = 0;
};

// The backend every toolkit object uses; the program or the test sets it before making any.
void SetBackend(Backend& backend);
Backend& CurrentBackend();

}  // namespace ui
