#pragma once

// Opaque system handles. The tags are the ones <windows.h> declares, so on Windows these are
// exactly HWND, HICON, ... and cross the platform boundary without casts; natively they are
// plain opaque pointers that the test fakes invent.
struct HWND__;
struct HICON__;
struct HINSTANCE__;
struct HRSRC__;

using WindowHandle = HWND__*;
using IconHandle = HICON__*;
using ModuleHandle = HINSTANCE__*;
using ResourceHandle = HRSRC__*;
