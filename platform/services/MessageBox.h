#pragma once
// Message boxes with the Windows button and icon flags and answers. The
// system's texts are German and its captions name the action.
#include <cstdint>
#include <string>
#include <string_view>

enum : uint32_t {
    MB_OK = 0x0,
    MB_OKCANCEL = 0x1,
    MB_ABORTRETRYIGNORE = 0x2,
    MB_YESNOCANCEL = 0x3,
    MB_YESNO = 0x4,
    MB_RETRYCANCEL = 0x5,
    MB_TYPEMASK = 0xF,
    MB_ICONHAND = 0x10,
    MB_ICONSTOP = 0x10,
    MB_ICONERROR = 0x10,
    MB_ICONQUESTION = 0x20,
    MB_ICONEXCLAMATION = 0x30,
    MB_ICONWARNING = 0x30,
    MB_ICONASTERISK = 0x40,
    MB_ICONINFORMATION = 0x40,
    MB_ICONMASK = 0xF0,
    MB_DEFBUTTON1 = 0x000,
    MB_DEFBUTTON2 = 0x100,
    MB_DEFBUTTON3 = 0x200,
    MB_DEFMASK = 0xF00,
    MB_APPLMODAL = 0x0000,
    MB_SYSTEMMODAL = 0x1000,
    MB_TASKMODAL = 0x2000,
};

enum : int {
    IDOK = 1,
    IDCANCEL = 2,
    IDABORT = 3,
    IDRETRY = 4,
    IDIGNORE = 5,
    IDYES = 6,
    IDNO = 7,
};

// Shows the box through the current message service and returns the answer.
int MessageBox(std::string_view text, std::string_view caption, uint32_t type = MB_OK);
