// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "resources/QtResourceStore.h"

#include <QFileInfo>
#include <QResource>
#include <QString>

namespace quillby {

std::optional<ResourceBytes> QtResourceStore::Find(std::string_view type,
                                                   std::string_view name) const
{
    const std::string path = ":/" + ResourceKey(type) + "/" + ResourceKey(name);
    const QResource resource(QString::fromLatin1(path.data(), qsizetype(path.size())));
    // Only resources stored without Qt's compression can be read in place; the build stores
    // every one of ours that way.
    if (!resource.isValid() || QFileInfo(resource.absoluteFilePath()).isDir() ||
        resource.compressionAlgorithm() != QResource::NoCompression)
        return std::nullopt;
    return ResourceBytes(resource.data(), static_cast<std::size_t>(resource.size()));
}

} // namespace quillby
