// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <QString>

#include <optional>

namespace quillby {

// The help pages are addressed as "res://" + the program file's full path + "/" + resource type
// + "/" + page name, with the path exactly as given: nothing in it is escaped.
inline constexpr char16_t kHelpScheme[] = u"res://";
inline constexpr char16_t kHelpPageType[] = u"HTML";
inline constexpr char16_t kHomePageName[] = u"QUILLBY";

// The address of help page `page` inside the program file `programPath`.
QString HelpPageUrl(const QString &programPath, const QString &page);

// The address a link on the page at `pageAddress` leads to. A link that names a scheme
// ("https:", "mailto:") stands as it is; a link of only a fragment ("#part") stays on the page;
// any other link replaces the last segment of the page's address, so "moby" on
// ".../HTML/QUILLBY" becomes ".../HTML/moby". `pageAddress` carries no fragment.
QString ResolveLink(const QString &pageAddress, const QString &link);

// Whether `address` begins with a URL scheme: a letter, then letters, digits, "+", "-" or ".",
// then ":".
bool HasScheme(const QString &address);

// A resource address taken apart.
struct ResourceAddress {
    QString type;
    QString name;
    QString fragment; // without its "#"; empty when the address has none
};

// Splits an address inside the program file `programPath` into type, name and fragment; no
// value when the address points anywhere else or names no type.
std::optional<ResourceAddress> ParseResourceAddress(const QString &address,
                                                    const QString &programPath);

} // namespace quillby
