// quillby-lookup: the program's embedded lists and searches from the command line.

#include "Errors.h"
#include "ListLoader.h"
#include "QtResourceStore.h"

#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr const char *kUsage = "usage: quillby-lookup --list NAME\n"
                               "       quillby-lookup --version\n";

int Usage() {
    std::cerr << kUsage;
    return 2;
}

int PrintList(const quillby::ResourceStore &store, std::string_view name) {
    const quillby::ResourceBytes compressed = quillby::OpenResource(store, quillby::kRcData, name);
    const quillby::TextBuffer text = quillby::InflateWithProgress(compressed, {});
    std::fwrite(text.data(), 1, text.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char **argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const quillby::QtResourceStore store;
    try {
        if (args.size() == 1 && args[0] == "--version") {
            std::cout << "quillby-lookup " << QUILLBY_VERSION << '\n';
            return 0;
        }
        if (args.size() == 2 && args[0] == "--list")
            return PrintList(store, args[1]);
        return Usage();
    } catch (const quillby::QuillbyError &error) {
        std::cerr << "quillby-lookup: " << error.what() << '\n';
        return 1;
    }
}
