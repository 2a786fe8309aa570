// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include "ui/frame/CaptionButton_p.h"

#include <QObject>

#include <memory>
#include <vector>

namespace quillby {

class CaptionButtonListener;
class TCaptionBarButtons;

// The caption buttons of one component, in order; owns them. Its buttons tell `listener` of
// their changes.
class TCaptionButtons : public QObject {
    Q_OBJECT

public:
    TCaptionButtons(TCaptionBarButtons *owner, CaptionButtonListener *listener);
    ~TCaptionButtons() override;

    // The component, for name paths such as "CaptionBarButtons1.Buttons".
    TCaptionBarButtons *Owner() const { return owner_; }
    CaptionButtonListener *Listener() const { return listener_; }

    // A new button at the end, named "CaptionButtonN" with the smallest free N.
    TCaptionButton *Add();
    int Count() const { return static_cast<int>(items_.size()); }
    // Raises EListError for an index outside the collection.
    TCaptionButton *Items(int index) const;
    int IndexOf(const TCaptionButton *button) const;
    bool Contains(const TCaptionButton *button) const { return IndexOf(button) >= 0; }
    void Delete(int index);
    void Clear();
    // Clears the collection, then adds and copies one button for each of `source`'s.
    void Assign(const TCaptionButtons &source);

    // The one column collection editors show: each button's Name.
    int AttributeCount() const { return 1; }
    QString Attribute(int index) const;
    QString ItemAttribute(int index, int itemIndex) const;

private:
    QString FreeDefaultName() const;

    TCaptionBarButtons *owner_;
    CaptionButtonListener *listener_;
    std::vector<std::unique_ptr<TCaptionButton>> items_;
};

} // namespace quillby
