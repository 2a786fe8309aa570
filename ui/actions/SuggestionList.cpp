// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "ui/actions/SuggestionList.h"

namespace quillby {

SuggestionList::SuggestionList(QWidget *parent)
    : QListView(parent)
{
}

void SuggestionList::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    if (hasFocus()) {
        QListView::currentChanged(current, previous);
        return;
    }
    // The list view's own handling announces the new current item as the focus; the item
    // view's below it only follows the item.
    QAbstractItemView::currentChanged(current, previous);
}

} // namespace quillby
