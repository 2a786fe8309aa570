// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include "ui/frame/BorderStyle.h"

#include <QWidget>

#include <functional>
#include <memory>

namespace quillby {

class FramedFormPrivate;

// What a click on a caption-bar button runs; `sender` is the form.
using CaptionButtonClick = std::function<void(QObject *sender)>;
// The click handler that a stored caption bar names; none for a name it does not know.
using CaptionButtonHandlers = std::function<CaptionButtonClick(const QString &name)>;

// A top-level window that draws its own frame: the dialog or sizing frame and the caption bar,
// with its title and caption boxes, around a client area that holds the form's controls. Push
// buttons in the caption bar, left of the caption boxes, come from a stored form.
class FramedForm : public QWidget {
    Q_OBJECT

public:
    explicit FramedForm(QWidget *parent = nullptr);
    ~FramedForm() override;

    // The controls' parent, placed inside the frame.
    QWidget *ClientArea() const;
    QSize ClientSize() const;
    // Sizes the window so that its client area has this size.
    void SetClientSize(QSize size);

    TFormBorderStyle BorderStyle() const;
    void SetBorderStyle(TFormBorderStyle style);
    TBorderIcons BorderIcons() const;
    void SetBorderIcons(TBorderIcons icons);

    // Puts the caption-bar buttons of the stored form at `path` (a file or a resource) in the
    // caption, in place of any it had. A click on a button runs the handler its stored form
    // names, found through `handlers`; the menus it names are the form's children of those
    // names. A form that is missing, cannot be read or holds a value that does not fit raises
    // QuillbyError naming the path, and leaves the caption without buttons.
    void LoadCaptionBarButtons(const QString &path, const CaptionButtonHandlers &handlers);

private:
    friend class FramedFormPrivate;

    std::unique_ptr<FramedFormPrivate> const d;
};

} // namespace quillby
