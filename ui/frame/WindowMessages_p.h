// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <cstdint>
#include <functional>

namespace quillby {

// The messages a framed form sends through its window procedure, with the numbers and the
// parameter packing that Windows gives them, so that code written against window messages reads
// them as it would there.
enum : std::uint32_t {
    WM_MOVE = 0x0003,
    WM_SIZE = 0x0005,
    WM_ACTIVATE = 0x0006,
    WM_SETTEXT = 0x000C,
    WM_PAINT = 0x000F,
    WM_CLOSE = 0x0010,
    WM_SYSCOLORCHANGE = 0x0015,
    WM_SETTINGCHANGE = 0x001A,
    WM_WINDOWPOSCHANGING = 0x0046,
    WM_NCHITTEST = 0x0084,
    WM_NCPAINT = 0x0085,
    WM_NCACTIVATE = 0x0086,
    WM_NCMOUSEMOVE = 0x00A0,
    WM_NCLBUTTONDOWN = 0x00A1,
    WM_NCLBUTTONUP = 0x00A2,
    WM_NCLBUTTONDBLCLK = 0x00A3,
    WM_NCRBUTTONDOWN = 0x00A4,
    WM_NCRBUTTONUP = 0x00A5,
    WM_SYSCOMMAND = 0x0112,
    WM_MOUSEMOVE = 0x0200,
    WM_LBUTTONDOWN = 0x0201,
    WM_LBUTTONUP = 0x0202,
    WM_LBUTTONDBLCLK = 0x0203,
    WM_RBUTTONDOWN = 0x0204,
    WM_RBUTTONUP = 0x0205,
    WM_MOUSELEAVE = 0x02A3,
    WM_THEMECHANGED = 0x031A,
    WM_USER = 0x0400,
};

// WM_ACTIVATE's wParam.
enum : std::uintptr_t { WA_INACTIVE = 0, WA_ACTIVE = 1, WA_CLICKACTIVE = 2 };

// Client mouse messages' wParam: the buttons held.
enum : std::uintptr_t { MK_LBUTTON = 0x0001, MK_RBUTTON = 0x0002 };

// WM_SYSCOMMAND's wParam.
enum : std::uintptr_t {
    SC_MOVE = 0xF010,
    SC_MINIMIZE = 0xF020,
    SC_MAXIMIZE = 0xF030,
    SC_CLOSE = 0xF060,
    SC_RESTORE = 0xF120,
    SC_CONTEXTHELP = 0xF180,
};

// WM_NCHITTEST's results: where a screen point lies on the window.
enum HitTest : std::intptr_t {
    HTNOWHERE = 0,
    HTCLIENT = 1,
    HTCAPTION = 2,
    HTSYSMENU = 3,
    HTMINBUTTON = 8,
    HTMAXBUTTON = 9,
    HTLEFT = 10,
    HTRIGHT = 11,
    HTTOP = 12,
    HTTOPLEFT = 13,
    HTTOPRIGHT = 14,
    HTBOTTOM = 15,
    HTBOTTOMLEFT = 16,
    HTBOTTOMRIGHT = 17,
    HTBORDER = 18,
    HTCLOSE = 20,
    HTHELP = 21,
};

// One message as a window procedure sees it. Mouse positions travel in lParam as two 16-bit
// words: x in the low word, y in the high word; non-client messages carry screen coordinates,
// client messages coordinates relative to the client area's top-left corner.
struct TMessage {
    std::uint32_t Msg = 0;
    std::uintptr_t WParam = 0;
    std::intptr_t LParam = 0;
    std::intptr_t Result = 0;
};

// A window procedure: replaceable, and callable by whoever replaced it.
using TWndMethod = std::function<void(TMessage &)>;

constexpr std::intptr_t MakeLParam(int low, int high)
{
    return static_cast<std::intptr_t>((static_cast<std::uint32_t>(high) & 0xFFFFu) << 16 |
                                      (static_cast<std::uint32_t>(low) & 0xFFFFu));
}

// The words as unsigned numbers, 0 to 65535.
constexpr int LoWord(std::intptr_t value)
{
    return static_cast<int>(static_cast<std::uint32_t>(value) & 0xFFFFu);
}
constexpr int HiWord(std::intptr_t value)
{
    return static_cast<int>((static_cast<std::uint32_t>(value) >> 16) & 0xFFFFu);
}

// The words as signed 16-bit numbers, as screen coordinates are read.
constexpr int SignedLoWord(std::intptr_t value)
{
    return static_cast<std::int16_t>(LoWord(value));
}
constexpr int SignedHiWord(std::intptr_t value)
{
    return static_cast<std::int16_t>(HiWord(value));
}

} // namespace quillby
