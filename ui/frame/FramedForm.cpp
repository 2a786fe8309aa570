// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "ui/frame/FramedForm.h"

#include "ui/frame/CaptionBarButtons_p.h"
#include "ui/frame/CaptionBox_p.h"
#include "ui/frame/ComponentStream_p.h"
#include "ui/frame/FrameAccessible_p.h"
#include "ui/frame/FramedForm_p.h"

#include <QMenu>

namespace quillby {

namespace {

QAccessibleInterface *FramedFormAccessibleFactory(const QString &key, QObject *object)
{
    if (key != QLatin1String("quillby::FramedForm"))
        return nullptr;
    auto *form = static_cast<FramedForm *>(object);
    return new FramedFormAccessible(form, FramedFormPrivate::Get(*form));
}

} // namespace

FramedForm::FramedForm(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , d(std::make_unique<FramedFormPrivate>(*this))
{
    static const bool accessible = [] {
        QAccessible::installFactory(FramedFormAccessibleFactory);
        return true;
    }();
    Q_UNUSED(accessible);
    // What assistive tools find of the caption boxes: the boxes the frame shows.
    QList<CaptionBox *> boxes;
    for (const CaptionBox::Kind kind : {CaptionBox::Kind::Minimize, CaptionBox::Kind::Maximize,
                                        CaptionBox::Kind::Help, CaptionBox::Kind::Close})
        boxes += new CaptionBox(*d, kind);
    d->SetCaptionBoxParts([boxes] {
        QList<QObject *> shown;
        for (CaptionBox *box : boxes) {
            if (!box->WindowRect().isNull())
                shown += box;
        }
        return shown;
    });
}

FramedForm::~FramedForm()
{
    d->FormDestroying();
}

FramedFormPrivate &FramedFormPrivate::Get(FramedForm &form)
{
    return *form.d;
}

const FramedFormPrivate &FramedFormPrivate::Get(const FramedForm &form)
{
    return *form.d;
}

QWidget *FramedForm::ClientArea() const
{
    return d->ClientArea();
}

QSize FramedForm::ClientSize() const
{
    return d->ClientSize();
}

void FramedForm::SetClientSize(QSize size)
{
    d->SetClientSize(size);
}

TFormBorderStyle FramedForm::BorderStyle() const
{
    return d->BorderStyle();
}

void FramedForm::SetBorderStyle(TFormBorderStyle style)
{
    d->SetBorderStyle(style);
}

TBorderIcons FramedForm::BorderIcons() const
{
    return d->BorderIcons();
}

void FramedForm::SetBorderIcons(TBorderIcons icons)
{
    d->SetBorderIcons(icons);
}

// The caption bar is a component of the form, made once and hooked into the form's window
// procedure from then on; loading again replaces its buttons.
void FramedForm::LoadCaptionBarButtons(const QString &path, const CaptionButtonHandlers &handlers)
{
    auto *component = findChild<TCaptionBarButtons *>(QString(), Qt::FindDirectChildrenOnly);
    if (!component)
        component = new TCaptionBarButtons(d.get());
    StoredFormReferences references;
    references.notifyEvent = [&handlers](const QString &name) {
        TNotifyEvent handler;
        if (CaptionButtonClick click = handlers ? handlers(name) : CaptionButtonClick()) {
            handler.Name = name;
            handler.Call = std::move(click);
        }
        return handler;
    };
    references.menu = [this](const QString &name) { return findChild<QMenu *>(name); };
    quillby::LoadCaptionBarButtons(*component, path, references);
}

} // namespace quillby
