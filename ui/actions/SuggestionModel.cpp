// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "ui/actions/SuggestionModel.h"

#include "text/Codepage1252.h"

namespace quillby {

int SuggestionModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(items_.size());
}

QVariant SuggestionModel::data(const QModelIndex &index, int role) const
{
    const Suggestion *item = index.isValid() ? At(index.row()) : nullptr;
    if (!item || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
        return {};
    return FromCp1252(item->word);
}

void SuggestionModel::SetSuggestions(Suggestions suggestions)
{
    beginResetModel();
    items_ = std::move(suggestions);
    endResetModel();
}

void SuggestionModel::Clear()
{
    SetSuggestions({});
}

const Suggestion *SuggestionModel::At(int row) const
{
    if (row < 0 || static_cast<std::size_t>(row) >= items_.size())
        return nullptr;
    return &items_[static_cast<std::size_t>(row)];
}

} // namespace quillby
