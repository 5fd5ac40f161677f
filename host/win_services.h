// The few Windows services the modules call: the current directory, private-profile (INI)
// reading, module handles and exported symbols, and dialog windows with their controls.
// The headless host implements them with the same semantics.
#pragma once

#include "win_types.h"

OAPIFUNC DWORD GetCurrentDirectoryA(DWORD nBufferLength, char* lpBuffer);
OAPIFUNC DWORD GetPrivateProfileStringA(const char* lpAppName, const char* lpKeyName,
                                        const char* lpDefault, char* lpReturnedString, DWORD nSize,
                                        const char* lpFileName);
OAPIFUNC HMODULE GetModuleHandleA(const char* lpModuleName);
OAPIFUNC FARPROC GetProcAddress(HMODULE hModule, const char* lpProcName);

OAPIFUNC HWND GetDlgItem(HWND hDlg, int nIDDlgItem);
OAPIFUNC LRESULT SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
OAPIFUNC LRESULT SendDlgItemMessageA(HWND hDlg, int nIDDlgItem, UINT Msg, WPARAM wParam,
                                     LPARAM lParam);
OAPIFUNC BOOL SetWindowTextA(HWND hWnd, const char* lpString);
OAPIFUNC int GetWindowTextA(HWND hWnd, char* lpString, int nMaxCount);

// Window messages
#define WM_DESTROY 0x0002
#define WM_CLOSE 0x0010
#define WM_SHOWWINDOW 0x0018
#define WM_NOTIFY 0x004E
#define WM_INITDIALOG 0x0110
#define WM_COMMAND 0x0111
#define WM_USER 0x0400

#define IDOK 1
#define IDCANCEL 2
#define BN_CLICKED 0

// Control notifications (WM_COMMAND high word, WM_NOTIFY code)
#define EN_CHANGE 0x0300
#define CBN_SELCHANGE 1
#define CBN_EDITCHANGE 5
#define UDN_DELTAPOS (0U - 722)

// The header of every WM_NOTIFY message (lParam points to it)
struct NMHDR {
    HWND hwndFrom;
    UINT_PTR idFrom;
    UINT code;
};

// UDN_DELTAPOS: an up-down control's position is about to change by iDelta
struct NMUPDOWN {
    NMHDR hdr;
    int iPos;
    int iDelta;
};

// Combo box messages
#define CB_ERR (-1)
#define CB_ADDSTRING 0x0143
#define CB_GETCOUNT 0x0146
#define CB_GETCURSEL 0x0147
#define CB_GETLBTEXT 0x0148
#define CB_RESETCONTENT 0x014B
#define CB_SETCURSEL 0x014E

// Up-down control messages
#define UDM_SETRANGE (WM_USER + 101)
#define UDM_GETRANGE (WM_USER + 102)
#define UDM_SETPOS (WM_USER + 103)
#define UDM_GETPOS (WM_USER + 104)
#define UDM_SETRANGE32 (WM_USER + 111)
#define UDM_GETRANGE32 (WM_USER + 112)
#define UDM_SETPOS32 (WM_USER + 113)
#define UDM_GETPOS32 (WM_USER + 114)

// Window and control styles used by dialog templates
#define WS_POPUP 0x80000000L
#define WS_VISIBLE 0x10000000L
#define WS_CAPTION 0x00C00000L
#define WS_BORDER 0x00800000L
#define WS_VSCROLL 0x00200000L
#define WS_TABSTOP 0x00010000L
#define DS_FIXEDSYS 0x0008L
#define DS_SETFONT 0x0040L
#define DS_MODALFRAME 0x0080L
#define BS_PUSHBUTTON 0x00000000L
#define BS_GROUPBOX 0x00000007L
#define CBS_DROPDOWN 0x0002L
#define CBS_DROPDOWNLIST 0x0003L
#define ES_AUTOHSCROLL 0x0080L
#define SS_LEFT 0x00000000L
#define UDS_SETBUDDYINT 0x0002
#define UDS_ALIGNRIGHT 0x0004
#define UDS_AUTOBUDDY 0x0010
#define UDS_ARROWKEYS 0x0020
#define UDS_HOTTRACK 0x0100

#define WC_BUTTON "BUTTON"
#define WC_COMBOBOX "COMBOBOX"
#define WC_EDIT "EDIT"
#define WC_STATIC "STATIC"
#define UPDOWN_CLASS "msctls_updown32"

// Dialog resources. A module publishes its dialog templates as the exported, null-terminated
// array "DialogResources" (the stand-in for the resource section of a Windows module); the host
// finds a template through the module's handle and its resource identifier.
struct DialogControlTemplate {
    int id;
    const char* className;
    const char* text;
    int x, y, cx, cy;  // rectangle [dialog units]
    DWORD style;
};

struct DialogTemplate {
    int resourceId;
    const char* title;
    int cx, cy;  // size [dialog units]
    DWORD style;
    const char* fontFace;
    int fontPoints;
    const DialogControlTemplate* controls;
    int controlCount;
};

#define DIALOG_RESOURCES_SYMBOL "DialogResources"
