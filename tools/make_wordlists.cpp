// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

// Build-time tool: turns the public Moby and OPTED data sets into the 27 embedded word lists,
// each one raw Deflate stream (no zlib header, no trailer), named as the resource store
// expects them ("MOBYWORDLISTCOMPRESSED", "A_TXT_DEFLATED" ... "Z_TXT_DEFLATED").
//
// usage: make_wordlists DATA_DIR OUT_DIR [--text]
//   --text also writes the uncompressed texts (NAME.txt) for inspection and tests.

#include "tools/OptedConverter.h"

#include <zlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace fs = std::filesystem;

namespace {

std::string ReadFile(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path.string());
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const fs::path &path, const std::string &bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

std::string RawDeflate(const std::string &text)
{
    z_stream zs{};
    if (deflateInit2(&zs, 9, Z_DEFLATED, -15, 9, Z_DEFAULT_STRATEGY) != Z_OK)
        throw std::runtime_error("deflateInit2 failed");
    std::string out(deflateBound(&zs, text.size()), '\0');
    zs.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(text.data()));
    zs.avail_in = static_cast<uInt>(text.size());
    zs.next_out = reinterpret_cast<Bytef *>(out.data());
    zs.avail_out = static_cast<uInt>(out.size());
    const int rc = deflate(&zs, Z_FINISH);
    out.resize(zs.total_out);
    deflateEnd(&zs);
    if (rc != Z_STREAM_END)
        throw std::runtime_error("deflate did not finish");
    return out;
}

void Emit(const fs::path &outDir, const std::string &name, const std::string &text, bool withText)
{
    WriteFile(outDir / name, RawDeflate(text));
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
            const char lower = static_cast<char>(letter - 'A' + 'a');
            const fs::path source =
                dataDir / "opted" / "v003" / (std::string("wb1913_") + lower + ".html");
            const std::string text = quillby::tools::ConvertOptedPage(ReadFile(source));
            Emit(outDir, std::string(1, letter) + "_TXT_DEFLATED", text, withText);
        }
    } catch (const std::exception &e) {
        std::cerr << "make_wordlists: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
