// Finding windows of other processes and reading their state.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "json.h"
#include "win32.h"

// Thrown with a UTF-8 message; main() prints it on stderr and exits non-zero.
struct ProbeError : std::runtime_error {
    using std::runtime_error::runtime_error;
};
[[noreturn]] void fail(const std::wstring& message);

unsigned long parse_number(const std::wstring& text);

std::wstring class_name(HWND hwnd);
std::wstring window_text(HWND hwnd);
DWORD window_pid(HWND hwnd);

// Exact match, also accepted once the '&' mnemonic markers are removed ("&Quitter" = "Quitter").
bool text_matches(const std::wstring& text, const std::wstring& wanted);

std::vector<HWND> top_level_windows();
// Every descendant, depth first, siblings in z-order (which is the tab order of dialog-like forms).
std::vector<HWND> descendants(HWND top);

HWND find_top_level(const std::wstring& caption);
HWND wait_top_level(const std::wstring& caption, DWORD timeout_ms);
// The window with that caption, or a failure that says which is missing.
HWND existing_top_level(const std::wstring& caption);
HWND find_descendant(HWND top, const std::wstring& text);

// A click of the mouse at that point of the screen, with the window brought to the front.
void mouse_click_at(HWND top, POINT screen, bool right = false);

// SendMessage that cannot hang the probe on a busy or modal target.
LRESULT send_message(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

void put_hwnd(Json& json, const char* key, HWND hwnd);
void put_rect(Json& json, const char* key, const RECT& rect);
