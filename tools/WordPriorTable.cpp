// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "tools/WordPriorTable.h"

#include "data/DictionaryEntry.h"
#include "data/TextLines.h"
#include "text/AsciiCase.h"

#include <map>

namespace quillby::tools {

namespace {

struct Evidence {
    unsigned definitions = 0;
    unsigned rank = 0;
    bool common = false;
    bool oftenMisspelled = false;
};

bool IsAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Calls `count(word)` for each run of ASCII letters of `text`, in lower case.
template <typename Count> void ForEachLetterRun(std::string_view text, Count count)
{
    std::size_t i = 0;
    while (i < text.size()) {
        if (!IsAsciiLetter(text[i])) {
            ++i;
            continue;
        }
        const std::size_t start = i;
        while (i < text.size() && IsAsciiLetter(text[i]))
            ++i;
        count(AsciiLower(text.substr(start, i - start)));
    }
}

} // namespace

std::string MakePriorTable(const PriorSources &sources)
{
    // Every word of the lists, in lower case, with what the sources tell of it.
    std::map<std::string, Evidence, std::less<>> words;
    for (std::string_view word : TextLines(sources.wordList))
        words.try_emplace(AsciiLower(word));
    std::vector<TextLines> websterLists;
    for (const std::string &text : sources.websterLists)
        websterLists.emplace_back(std::string_view(text));
    for (const TextLines &list : websterLists) {
        for (std::string_view line : list)
            words.try_emplace(AsciiLower(SplitDictionaryLine(line).word));
    }
    words.erase(std::string());

    const auto known = [&words](std::string_view word) -> Evidence * {
        const auto found = words.find(word);
        return found == words.end() ? nullptr : &found->second;
    };
    for (const TextLines &list : websterLists) {
        for (std::string_view line : list) {
            ForEachLetterRun(SplitDictionaryLine(line).definition, [&](const std::string &word) {
                if (Evidence *evidence = known(word))
                    ++evidence->definitions;
            });
        }
    }
    for (std::string_view word : TextLines(sources.commonWords)) {
        if (Evidence *evidence = known(AsciiLower(word)))
            evidence->common = true;
    }
    for (std::string_view word : TextLines(sources.oftenMisspelled)) {
        if (Evidence *evidence = known(AsciiLower(word)))
            evidence->oftenMisspelled = true;
    }
    const TextLines frequent(sources.frequentWords);
    unsigned rank = 0;
    // The heading and the empty line after it come first.
    for (std::size_t i = 2; i < frequent.size(); ++i) {
        if (frequent[i].empty())
            continue;
        ++rank;
        Evidence *evidence = known(AsciiLower(frequent[i]));
        if (evidence && evidence->rank == 0)
            evidence->rank = rank;
    }

    std::string table;
    for (const auto &[word, evidence] : words) {
        if (evidence.definitions == 0 && evidence.rank == 0 && !evidence.common &&
            !evidence.oftenMisspelled)
            continue;
        std::string flags;
        if (evidence.common)
            flags += 'c';
        if (evidence.oftenMisspelled)
            flags += 'm';
        table += word + '\t' + std::to_string(evidence.definitions) + '\t' +
                 std::to_string(evidence.rank) + '\t' + (flags.empty() ? "-" : flags) + '\n';
    }
    return table;
}

} // namespace quillby::tools
