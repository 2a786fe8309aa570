// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// The ispell pipe on arbitrary lines, over a small word list: a command line is answered with
// nothing, every other line with one line per word and then an empty line; each answer line is
// "*", "# WORD OFFSET" or "& WORD COUNT OFFSET: GUESS, ..." with COUNT guesses; and the
// personal word list, kept nowhere here, is never written.

#include "cli/IspellPipe.h"
#include "cli/PersonalWords.h"
#include "cli/SpellingJudge.h"
#include "data/TextLines.h"
#include "lookup/LookupEngine.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using namespace quillby;

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

// Known spellings and a misspelling the list holds, with how common each is.
constexpr std::string_view kPriors = "\t-530\t-\n"
                                     "dog\t400\tk\n"
                                     "don't\t360\tk\n"
                                     "receive\t300\tk\n"
                                     "recieve\t-200\t-\n"
                                     "the\t900\tk\n"
                                     "weird\t200\tk\n";

void CheckAnswer(std::string_view line, const std::string &output)
{
    const bool command =
        !line.empty() && std::string_view("!%@*&#~+-").find(line.front()) != std::string_view::npos;
    if (command) {
        Check(output.empty());
        return;
    }
    Check(output.size() >= 1 && output.back() == '\n');
    Check(output == "\n" || output.ends_with("\n\n"));
    std::string_view rest(output.data(), output.size() - 1);
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        Check(end != std::string_view::npos);
        const std::string_view answer = rest.substr(0, end);
        rest.remove_prefix(end + 1);
        if (answer == "*")
            continue;
        Check(answer.starts_with("# ") || answer.starts_with("& "));
        if (answer.front() == '&') {
            const std::size_t colon = answer.rfind(": ");
            Check(colon != std::string_view::npos);
            // The count is the number of guesses after the colon.
            const std::string_view head = answer.substr(0, colon);
            const std::size_t countEnd = head.rfind(' ');
            const std::size_t countStart = head.rfind(' ', countEnd - 1);
            const int count = std::stoi(std::string(head.substr(countStart + 1)));
            int guesses = 1;
            for (std::size_t i = colon + 2; i < answer.size(); ++i)
                guesses += answer[i] == ',';
            Check(count == guesses);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const TextLines list(std::string_view("dog\ndon't\nreceive\nrecieve\nthe\nweird\n"));
    LookupEngine engine([] { return WordPriors(std::string(kPriors)); });
    engine.SetMobyList(list);
    cli::PersonalWords personal;
    cli::SpellingJudge judge(engine, personal, 3);
    cli::IspellPipe pipe(judge, personal, size % 2 == 0);

    std::string_view input(reinterpret_cast<const char *>(data), size);
    while (!input.empty()) {
        const std::size_t end = std::min(input.find('\n'), input.size());
        const std::string_view line = input.substr(0, end);
        input.remove_prefix(std::min(end + 1, input.size()));
        const cli::IspellPipe::Answer answer = pipe.AnswerLine(line);
        Check(answer.problem.isEmpty());
        CheckAnswer(line, answer.output);
    }
    return 0;
}
