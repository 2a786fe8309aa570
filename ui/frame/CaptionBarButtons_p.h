// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include "ui/frame/CaptionButtonListener_p.h"
#include "ui/frame/CaptionButton_p.h"
#include "ui/frame/CaptionButtons_p.h"
#include "ui/frame/FramedForm_p.h"
#include "ui/frame/WindowMessages_p.h"

#include <QObject>
#include <QPointer>

#include <memory>

namespace quillby {

class CaptionBarState;

// The message a caption button sends its form when its group changes: wParam the button,
// lParam kind x 65536 + the low 16 bits of its GroupIndex. Kind 0: Down changed; kind 1:
// AllowAllUp changed; kind 2: GroupIndex changed.
inline constexpr std::uint32_t CM_CAPTIONBUTTONGROUP = WM_USER + 100;

// Push buttons in the caption bar of the form that owns the component, left of the caption
// boxes. The component takes over the form's window procedure for its lifetime: it draws the
// buttons on the window, follows the mouse over them, shows their hints, turns a press and a
// release into a click and keeps presses on the buttons away from the form.
class TCaptionBarButtons : public QObject, private CaptionButtonListener {
    Q_OBJECT
    Q_PROPERTY(QString Name READ objectName WRITE setObjectName)
    Q_PROPERTY(int Tag READ Tag WRITE SetTag)
    Q_PROPERTY(quillby::TCaptionButtons *Buttons READ Buttons WRITE SetButtons)
    Q_PROPERTY(QString Version READ Version WRITE SetVersion)

public:
    // The component of the form whose frame this is, owned by the form; without a frame it is
    // attached to nothing. A component made for the form designer neither hooks nor draws.
    explicit TCaptionBarButtons(FramedFormPrivate *frame, bool designing = false);
    ~TCaptionBarButtons() override;

    int Tag() const { return tag_; }
    void SetTag(int value) { tag_ = value; }
    TCaptionButtons *Buttons() const { return buttons_.get(); }
    // Copies the buttons of `source` into the component's own collection.
    void SetButtons(TCaptionButtons *source);
    // "major.minor" of the component's version; a stored value is dropped.
    QString Version() const;
    void SetVersion(const QString &) {}

    // The button at `index`; none at or past the end. A negative index raises EListError.
    Q_INVOKABLE quillby::TCaptionButton *ButtonByIndex(int index) const;
    virtual void RedrawButtons();
    // Lays out every visible button from the right end of the caption and draws it.
    void PaintButtons();
    // The form's window procedure while the component lives.
    void HookWndProc(TMessage &message);
    // A click that comes from elsewhere than the mouse (assistive tools): a button that is shown
    // and enabled completes a click as a press and release on it would.
    void ClickButton(TCaptionButton &button);

    FramedFormPrivate *OwnerForm() const { return ownerForm_; }

private:
    // The run-time state, for the component's own helpers and the tests (CaptionBarState_p.h).
    friend const CaptionBarState &RunTimeState(const TCaptionBarButtons &component);

    struct PassVotes {
        bool pass = false;
        bool swallow = false;
    };

    // What the buttons tell the component.
    void ButtonChanged(const TCaptionButton &button) override;
    void ButtonVisibilityChanged(const TCaptionButton &button) override;
    void AllowAllUpAssigned(const TCaptionButton &button) override;
    void GroupChanged(const TCaptionButton &button, int kind) override;
    bool FormRollsAndStaysOnTop() const override;
    void RolledUpChanged(const TCaptionButton &button) override;
    void StayOnTopChanged(const TCaptionButton &button) override;
    void ButtonRemoved(const TCaptionButton &button) override;
    QWidget *Window() const override;
    QRect DrawnRect(const TCaptionButton &button) const override;
    void Click(TCaptionButton &button) override;

    void Detach();
    void SetPassOn(bool value);
    void SendGroupMessage(const TCaptionButton &sender, int kind);
    void Roll(const TCaptionButton &button);

    // Drawing, by what the button shows.
    void DrawButton(const TCaptionButton &button, QPainter &painter);
    TButtonGlyph EffectiveGlyph(const TCaptionButton &button);
    ButtonLook LookOf(const TCaptionButton &button) const;
    TRect FaceRect(const TCaptionButton &button) const;
    void DrawButtonFace(QPainter &painter, const TRect &face, ButtonLook look);
    void DrawCaptionGlyph(const TCaptionButton &button, QPainter &painter, ButtonLook look);
    void DrawSystemGlyph(QPainter &painter, const TRect &rect, TButtonGlyph glyph, ButtonLook look);
    void DrawOwnerDrawn(const TCaptionButton &button, QPainter &painter);
    void DrawImageGlyph(const TCaptionButton &button, QPainter &painter, ButtonLook look);

    // The window hook's actions, one button at a time.
    QPoint WindowPoint(const TMessage &message) const;
    void RequestRepaint(const TCaptionButton &button) const;
    void ShowHint(const TCaptionButton &button);
    void HideHint(const TCaptionButton &button) const;
    void RunAction(TCaptionButton &button, TMessage &message);
    void HitTracking(const TCaptionButton &button, const TMessage &message);
    void Hover(const TCaptionButton &button, const TMessage &message);
    void Press(const TCaptionButton &button, const TMessage &message);
    void DoubleClickAsPress(const TCaptionButton &button, const TMessage &message);
    void NonClientRelease(const TCaptionButton &button, const TMessage &message);
    void ContextMenu(const TCaptionButton &button, const TMessage &message);
    void CapturedMove(const TCaptionButton &button, const TMessage &message);
    void ReleaseAndClick(TCaptionButton &button, const TMessage &message);
    void GroupUpdate(TCaptionButton &button, const TMessage &message);
    void MetricsChange(TMessage &message);
    void CompleteClick(TCaptionButton &button);

    QPointer<FramedFormPrivate> ownerForm_;
    quint16 versionNumber_ = 0x0115;
    TWndMethod savedWndProc_;
    bool designing_;
    bool passOn_ = false;
    PassVotes *votes_ = nullptr;
    int tag_ = 0;
    const std::unique_ptr<CaptionBarState> state_;
    // Declared last, so the buttons, each with its hint window, go before the other members.
    std::unique_ptr<TCaptionButtons> buttons_;
};

} // namespace quillby
