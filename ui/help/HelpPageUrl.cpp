// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "ui/help/HelpPageUrl.h"

namespace quillby {

namespace {

bool IsAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

QString ProgramPrefix(const QString &programPath)
{
    return QString::fromUtf16(kHelpScheme) + programPath + u'/';
}

} // namespace

QString HelpPageUrl(const QString &programPath, const QString &page)
{
    return ProgramPrefix(programPath) + QString::fromUtf16(kHelpPageType) + u'/' + page;
}

bool HasScheme(const QString &address)
{
    if (address.isEmpty() || !IsAsciiLetter(address.front()))
        return false;
    for (qsizetype i = 1; i < address.size(); ++i) {
        const QChar c = address[i];
        if (c == u':')
            return true;
        if (!IsAsciiLetter(c) && !(c >= u'0' && c <= u'9') && c != u'+' && c != u'-' && c != u'.')
            return false;
    }
    return false;
}

QString ResolveLink(const QString &pageAddress, const QString &link)
{
    if (HasScheme(link))
        return link;
    if (link.isEmpty() || link.front() == u'#')
        return pageAddress + link;
    const qsizetype lastSlash = pageAddress.lastIndexOf(u'/');
    return pageAddress.left(lastSlash + 1) + link;
}

std::optional<ResourceAddress> ParseResourceAddress(const QString &address,
                                                    const QString &programPath)
{
    // The program path is matched as a whole first, so that a "/" or "#" inside it cannot be
    // taken for the end of the path or the start of a fragment.
    const QString prefix = ProgramPrefix(programPath);
    if (!address.startsWith(prefix))
        return std::nullopt;
    const QString rest = address.mid(prefix.size());
    const qsizetype slash = rest.indexOf(u'/');
    if (slash <= 0)
        return std::nullopt;
    ResourceAddress parsed;
    parsed.type = rest.left(slash);
    parsed.name = rest.mid(slash + 1);
    const qsizetype hash = parsed.name.indexOf(u'#');
    if (hash >= 0) {
        parsed.fragment = parsed.name.mid(hash + 1);
        parsed.name.truncate(hash);
    }
    return parsed;
}

} // namespace quillby
