// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// Build-time tool: turns what the public data sets tell of how common each word is into the
// embedded prior table "WORDPRIORS", plain text that the ranking of suggestions reads in place on
// its first use, the same for each line of the Word list, "WORDLISTPRIORS", and the known
// spellings the Word list lacks, "ADDEDWORDS": from the Moby lists of frequent and often
// misspelled words, the spelling lists of SCOWL (which words are known spellings, and how
// common) and WordNet's sense counts.
//
// usage: make_priors DATA_DIR SCOWL_DIR WORDNET_DIR OUT_DIR
//   DATA_DIR holds moby/ and opted/; SCOWL_DIR the SCOWL lists (english-words.10 ...);
//   WORDNET_DIR the WordNet 3.0 database (cntlist.rev); OUT_DIR gets WORDPRIORS,
//   WORDLISTPRIORS and ADDEDWORDS.

#include "tools/BuildFiles.h"
#include "tools/OptedConverter.h"
#include "tools/WordPriorTable.h"

#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fs = std::filesystem;
using namespace quillby::tools;

int main(int argc, char **argv)
{
    if (argc != 5) {
        std::cerr << "usage: make_priors DATA_DIR SCOWL_DIR WORDNET_DIR OUT_DIR\n";
        return 2;
    }
    const fs::path dataDir = argv[1];
    const fs::path scowlDir = argv[2];
    const fs::path wordnetDir = argv[3];
    const fs::path outDir = argv[4];
    try {
        const fs::path moby = dataDir / "moby";
        const std::string wordList = ReadFile(moby / "SINGLE.TXT");
        const std::string frequent = ReadFile(moby / "FREQ.TXT");
        const std::string often = ReadFile(moby / "OFTENMIS.TXT");
        const std::string senseCounts = ReadFile(wordnetDir / "cntlist.rev");
        PriorSources sources{wordList, frequent, often, {}, {}, senseCounts};
        for (char lower = 'a'; lower <= 'z'; ++lower) {
            const fs::path page =
                dataDir / "opted" / "v003" / (std::string("wb1913_") + lower + ".html");
            sources.websterLists.push_back(ConvertOptedPage(ReadFile(page)));
        }
        std::vector<std::string> spellingTexts;
        std::vector<SpellingList> spellingLists;
        for (const fs::directory_entry &entry : fs::directory_iterator(scowlDir)) {
            const std::string name = entry.path().filename().string();
            if (const std::optional<int> size = SpellingListSize(name)) {
                spellingTexts.push_back(ReadFile(entry.path()));
                spellingLists.push_back({*size, name.starts_with("british-"), {}});
            }
        }
        if (spellingTexts.empty())
            throw std::runtime_error("no spelling lists (english-words.10 ...) in " +
                                     scowlDir.string());
        for (std::size_t i = 0; i < spellingTexts.size(); ++i)
            spellingLists[i].text = spellingTexts[i];
        sources.spellingLists = std::move(spellingLists);

        const std::string table = MakePriorTable(sources);
        fs::create_directories(outDir);
        WriteFile(outDir / "WORDPRIORS", table);
        WriteFile(outDir / "WORDLISTPRIORS", MakeWordListPriors(table, wordList));
        WriteFile(outDir / "ADDEDWORDS", MakeAddedWords(sources, table));
    } catch (const std::exception &e) {
        std::cerr << "make_priors: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
