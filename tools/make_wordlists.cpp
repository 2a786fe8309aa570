// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// Build-time tool: turns the public Moby and OPTED data sets into the 27 embedded word lists,
// each one raw Deflate stream (no zlib header, no trailer), named as the resource store
// expects them ("MOBYWORDLISTCOMPRESSED", "A_TXT_DEFLATED" ... "Z_TXT_DEFLATED").
//
// usage: make_wordlists DATA_DIR OUT_DIR [--text]
//   --text also writes the uncompressed texts (NAME.txt) for inspection and tests.

#include "text/AsciiCase.h"
#include "tools/BuildFiles.h"
#include "tools/OptedConverter.h"
#include "tools/RawDeflate.h"

#include <filesystem>
#include <iostream>
#include <string>

namespace fs = std::filesystem;
using quillby::tools::ReadFile;
using quillby::tools::WriteFile;

namespace {

void Emit(const fs::path &outDir, const std::string &name, const std::string &text, bool withText)
{
    WriteFile(outDir / name, quillby::tools::RawDeflate(text));
    if (withText)
        WriteFile(outDir / (name + ".txt"), text);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::cerr << "usage: make_wordlists DATA_DIR OUT_DIR [--text]\n";
        return 2;
    }
    const fs::path dataDir = argv[1];
    const fs::path outDir = argv[2];
    const bool withText = argc > 3 && std::string(argv[3]) == "--text";
    try {
        fs::create_directories(outDir);
        Emit(outDir, "MOBYWORDLISTCOMPRESSED", ReadFile(dataDir / "moby" / "SINGLE.TXT"), withText);
        for (char letter = 'A'; letter <= 'Z'; ++letter) {
            const fs::path source =
                dataDir / "opted" / "v003" /
                (std::string("wb1913_") + quillby::AsciiLower(letter) + ".html");
            const std::string text = quillby::tools::ConvertOptedPage(ReadFile(source));
            Emit(outDir, std::string(1, letter) + "_TXT_DEFLATED", text, withText);
        }
    } catch (const std::exception &e) {
        std::cerr << "make_wordlists: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
