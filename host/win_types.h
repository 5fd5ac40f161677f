// Basic Windows types that the host interface and the modules use. On Linux they are
// plain aliases; handles are opaque pointers.
#pragma once

#include <cstdint>

using DWORD = std::uint32_t;
using WORD = std::uint16_t;
using BYTE = std::uint8_t;
using UINT = unsigned int;
using BOOL = int;
using LONG = std::int32_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using INT_PTR = std::intptr_t;
using UINT_PTR = std::uintptr_t;

struct HWND__;
struct HINSTANCE__;
struct HDC__;
using HWND = HWND__*;
using HINSTANCE = HINSTANCE__*;
using HMODULE = HINSTANCE;
using HDC = HDC__*;
using FARPROC = void (*)();

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif
#ifndef MAX_PATH
#define MAX_PATH 260
#endif

#define LOWORD(l) (static_cast<WORD>(static_cast<std::uintptr_t>(l) & 0xffff))
#define HIWORD(l) (static_cast<WORD>((static_cast<std::uintptr_t>(l) >> 16) & 0xffff))
#define MAKEWPARAM(lo, hi) \
    (static_cast<WPARAM>((static_cast<DWORD>(lo) & 0xffff) | ((static_cast<DWORD>(hi) & 0xffff) << 16)))

// Exported, unmangled entry points of modules and the host.
#define DLLCLBK extern "C" __attribute__((visibility("default")))
#define OAPIFUNC __attribute__((visibility("default")))
