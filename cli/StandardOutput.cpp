// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "cli/StandardOutput.h"

#include "text/Codepage1252.h"

#include <QByteArray>
#include <QString>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

namespace quillby::cli {

void StandardOutput::Write(std::string_view bytes)
{
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() && !failed_) {
        failed_ = true;
        error_ = errno;
    }
}

void StandardOutput::WriteText(std::string_view text1252)
{
    const QByteArray utf8 = FromCp1252(text1252).toUtf8();
    Write(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

bool StandardOutput::Flush()
{
    errno = 0;
    if (std::fflush(stdout) != 0 && !failed_) {
        failed_ = true;
        error_ = errno;
    }
    if (!failed_ && !std::ferror(stdout))
        return true;
    std::cerr << "quillby-lookup: cannot write the output";
    if (error_ != 0)
        std::cerr << ": " << std::strerror(error_);
    std::cerr << '\n';
    return false;
}

} // namespace quillby::cli
