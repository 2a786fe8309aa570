// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

// Whether the leak checker of a sanitizer build finds memory that nothing refers to any more.

#if defined(__SANITIZE_ADDRESS__)
#define QUILLBY_LEAK_CHECKER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUILLBY_LEAK_CHECKER 1
#endif
#endif

#ifdef QUILLBY_LEAK_CHECKER
#include <sanitizer/lsan_interface.h>
#endif

namespace quillby::testing {

inline constexpr bool kLeakCheckerBuilt =
#ifdef QUILLBY_LEAK_CHECKER
    true;
#else
    false;
#endif

// Runs the leak checker now, reporting what it finds on the standard error; true when it found
// a leak that the suppressions do not cover. Always false in a build without the checker.
inline bool LeaksFound()
{
#ifdef QUILLBY_LEAK_CHECKER
    return __lsan_do_recoverable_leak_check() != 0;
#else
    return false;
#endif
}

} // namespace quillby::testing
