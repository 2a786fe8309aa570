// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// Build-time tool: turns the Moby lists of common, frequent and often misspelled words and the
// word counts of the Webster definitions into the embedded prior table "WORDPRIORS", one raw
// Deflate stream, which the ranking of suggestions reads on its first use.
//
// usage: make_priors DATA_DIR OUT_FILE [--text]
//   --text also writes the uncompressed table (OUT_FILE.txt) for inspection.

#include "tools/BuildFiles.h"
#include "tools/OptedConverter.h"
#include "tools/RawDeflate.h"
#include "tools/WordPriorTable.h"

#include <filesystem>
#include <iostream>
#include <string>

namespace fs = std::filesystem;
using namespace quillby::tools;

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::cerr << "usage: make_priors DATA_DIR OUT_FILE [--text]\n";
        return 2;
    }
    const fs::path dataDir = argv[1];
    const fs::path outFile = argv[2];
    const bool withText = argc > 3 && std::string(argv[3]) == "--text";
    try {
        const fs::path moby = dataDir / "moby";
        const std::string wordList = ReadFile(moby / "SINGLE.TXT");
        const std::string common = ReadFile(moby / "COMMON.TXT");
        const std::string frequent = ReadFile(moby / "FREQ.TXT");
        const std::string often = ReadFile(moby / "OFTENMIS.TXT");
        PriorSources sources{wordList, common, frequent, often, {}};
        for (char lower = 'a'; lower <= 'z'; ++lower) {
            const fs::path page =
                dataDir / "opted" / "v003" / (std::string("wb1913_") + lower + ".html");
            sources.websterLists.push_back(ConvertOptedPage(ReadFile(page)));
        }
        const std::string table = MakePriorTable(sources);
        fs::create_directories(outFile.parent_path());
        WriteFile(outFile, RawDeflate(table));
        if (withText)
            WriteFile(fs::path(outFile.string() + ".txt"), table);
    } catch (const std::exception &e) {
        std::cerr << "make_priors: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
