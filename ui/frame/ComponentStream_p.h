// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include "ui/frame/CaptionButton_p.h"

#include <QJsonObject>

#include <functional>

class QMenu;

namespace quillby {

class TCaptionBarButtons;

// What the names in a stored form refer to: event handlers and menus of the form that owns the
// component. A name nobody resolves loads as unset.
struct StoredFormReferences {
    std::function<TNotifyEvent(const QString &name)> notifyEvent;
    std::function<TDrawButtonEvent(const QString &name)> drawButtonEvent;
    std::function<QMenu *(const QString &name)> menu;
};

// The stored form of a caption-bar component, as JSON: the published properties in declaration
// order, each value written only when it differs from its stored default, menus and handlers by
// name, bitmaps as BMP data in base64.
QJsonObject WriteCaptionBarButtons(const TCaptionBarButtons &component);

// Loads a stored form into a newly made component, assigning each stored value through its
// setter in declaration order. A bitmap may also be given as {"Resource": "NAME"}, a bitmap
// resource of the program. A value of the wrong kind raises QuillbyError.
void ReadCaptionBarButtons(TCaptionBarButtons &component, const QJsonObject &stored,
                           const StoredFormReferences &references = {});

// Loads the stored form in the file or resource at `path` into a newly made component, in place
// of any buttons it has. A form that is missing, cannot be read, is not a JSON object or holds
// a value ReadCaptionBarButtons refuses raises QuillbyError naming the path; the component is
// then left without buttons.
void LoadCaptionBarButtons(TCaptionBarButtons &component, const QString &path,
                           const StoredFormReferences &references = {});

} // namespace quillby
