// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include <QListView>

namespace quillby {

// The suggestion list's view. It tells assistive tools of its current item as the focus only
// while it has the keyboard focus: a search selects an item while the focus stays in the word
// box, and announcing that item would tell a screen reader the focus moved into the list.
class SuggestionList : public QListView {
    Q_OBJECT

public:
    explicit SuggestionList(QWidget *parent = nullptr);

protected:
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
};

} // namespace quillby
