// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "cli/PipeSession.h"

#include "cli/IspellPipe.h"
#include "cli/StandardOutput.h"

#include <iostream>
#include <string>

namespace quillby::cli {

int RunPipeSession(SpellingJudge &judge, PersonalWords &personal, bool utf8Only,
                   std::string_view version, StandardOutput &out)
{
    out.Write(IspellPipe::Banner(version));
    if (!out.Flush())
        return 1;
    IspellPipe pipe(judge, personal, utf8Only);
    std::ios::sync_with_stdio(false);
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const IspellPipe::Answer answer = pipe.AnswerLine(line);
        if (!answer.problem.isEmpty())
            std::cerr << "quillby-lookup: " << answer.problem.toStdString() << std::endl;
        if (answer.output.empty())
            continue;
        out.Write(answer.output);
        // The editor waits for each answer before it sends the next line.
        if (!out.Flush())
            return 1;
    }
    if (std::cin.bad()) {
        std::cerr << "quillby-lookup: cannot read standard input\n";
        return 1;
    }
    return 0;
}

} // namespace quillby::cli
