// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "data/StrRes.h"

namespace quillby {

TStringResource::TStringResource(QObject *parent)
    : QObject(parent)
{
}

void TStringResource::SetLines(const TextLines &lines)
{
    lines_ = lines;
}

void TStringResource::SetTagName(const QString &name)
{
    if (name != tagName_)
        tagName_ = name;
}

} // namespace quillby
