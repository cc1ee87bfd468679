// One function per probe command: arguments after the command name, JSON result in `out`.
#pragma once

#include <string>
#include <vector>

#include "json.h"

using Args = std::vector<std::wstring>;

// The window that owns the tray icons and gets their callback and device messages.
inline constexpr const wchar_t* kMainForm = L"Configuration Vossik'";

void cmd_windows(const Args& args, Json& out);
void cmd_wait_window(const Args& args, Json& out);
void cmd_wait_gone(const Args& args, Json& out);
void cmd_taskbar(const Args& args, Json& out);
void cmd_dump(const Args& args, Json& out);
void cmd_click(const Args& args, Json& out);
void cmd_key(const Args& args, Json& out);
void cmd_select_tab(const Args& args, Json& out);
void cmd_tray(const Args& args, Json& out);
void cmd_taskbar_created(const Args& args, Json& out);
void cmd_device(const Args& args, Json& out);
void cmd_post(const Args& args, Json& out);
void cmd_copy_data(const Args& args, Json& out);
void cmd_burst(const Args& args, Json& out);
void cmd_message_boxes(const Args& args, Json& out);
void cmd_answer_box(const Args& args, Json& out);
void cmd_tray_icons(const Args& args, Json& out);
void cmd_add_tray_icon(const Args& args, Json& out);
void cmd_remove_tray_icons(const Args& args, Json& out);
void cmd_processes(const Args& args, Json& out);
void cmd_close_menus(const Args& args, Json& out);
void cmd_menu_key(const Args& args, Json& out);
void cmd_open_menus(const Args& args, Json& out);
void cmd_gui_objects(const Args& args, Json& out);
void cmd_high_contrast(const Args& args, Json& out);
void cmd_hold_file(const Args& args, Json& out);
void cmd_type_text(const Args& args, Json& out);
void cmd_tree(const Args& args, Json& out);
void cmd_resize(const Args& args, Json& out);
void cmd_dpi_changed(const Args& args, Json& out);
void cmd_soak(const Args& args, Json& out);
