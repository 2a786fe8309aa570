// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include "lookup/Suggestion.h"

#include <QAbstractListModel>

#include <string_view>

namespace quillby {

// The suggestion list's items: each a word with an optional definition node, shown as the
// Windows-1252 text it is. Filled all at once, so tens of thousands of items cost one reset.
class SuggestionModel : public QAbstractListModel {
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    // Frees every item with its node, then takes `suggestions` as the new items.
    void SetSuggestions(Suggestions suggestions);
    // Frees every item with its node.
    void Clear();

    const Suggestions &Items() const { return items_; }
    // The item at `row`; null outside the list.
    const Suggestion *At(int row) const;

private:
    Suggestions items_;
};

} // namespace quillby
