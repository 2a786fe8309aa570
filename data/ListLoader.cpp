// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "data/ListLoader.h"

#include "data/Errors.h"

#include <new>

namespace quillby {

std::string WebsterListName(char letter)
{
    return std::string(1, letter) + "_txt_deflated";
}

std::vector<std::string> AllListNames()
{
    std::vector<std::string> names = {std::string(kWordListName)};
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        names.push_back(WebsterListName(letter));
    return names;
}

TextLines LoadListResource(const ResourceStore &store, std::string_view name,
                           const ProgressCallback &progress)
{
    const ResourceBytes compressed = OpenResource(store, kRcData, name);
    TextBuffer text = InflateWithProgress(compressed, progress);
    try {
        return TextLines(std::move(text));
    } catch (const std::bad_alloc &) {
        throw EOutOfMemory("Out of memory while splitting the list into lines");
    }
}

} // namespace quillby
