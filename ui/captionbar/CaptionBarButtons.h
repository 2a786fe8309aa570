// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include "ui/captionbar/CaptionButton.h"
#include "ui/captionbar/CaptionButtons.h"
#include "ui/frame/Bitmap.h"
#include "ui/frame/FramedForm.h"
#include "ui/frame/WindowMessages.h"

#include <QObject>
#include <QPointer>

#include <memory>

namespace quillby {

class CaptionBarState;
struct CaptionButtonState;

// The message a caption button sends its form when its group changes: wParam the button,
// lParam kind x 65536 + the low 16 bits of its GroupIndex. Kind 0: Down changed; kind 1:
// AllowAllUp changed; kind 2: GroupIndex changed.
inline constexpr std::uint32_t CM_CAPTIONBUTTONGROUP = WM_USER + 100;

// Push buttons in the caption bar of the form that owns the component, left of the caption
// boxes. The component takes over the form's window procedure for its lifetime: it draws the
// buttons on the window, follows the mouse over them, shows their hints, turns a press and a
// release into a click and keeps presses on the buttons away from the form.
class TCaptionBarButtons : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Name READ objectName WRITE setObjectName)
    Q_PROPERTY(int Tag READ Tag WRITE SetTag)
    Q_PROPERTY(quillby::TCaptionButtons *Buttons READ Buttons WRITE SetButtons)
    Q_PROPERTY(QString Version READ Version WRITE SetVersion)

public:
    // The owner should be a FramedForm; any other owner leaves the component attached to
    // nothing. A component made for the form designer neither hooks nor draws.
    explicit TCaptionBarButtons(QObject *owner, bool designing = false);
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

    FramedForm *OwnerForm() const { return ownerForm_; }
    const TWndMethod &SavedWndProc() const { return savedWndProc_; }
    bool Designing() const { return designing_; }
    bool PassOn() const { return passOn_; }
    void SetPassOn(bool value);
    int DefaultWidth() const { return defaultWidth_; }
    int ButtonHeight() const { return buttonHeight_; }
    int SavedHeight() const { return savedHeight_; }
    const TBitmap &GlyphBitmap() const { return glyphBitmap_; }

    // A button's run-time state as the window hook keeps it; none before the component has
    // first dealt with the button.
    const CaptionButtonState *ButtonState(const TCaptionButton &button) const;
    // Called by the collection as a button leaves it.
    void ForgetButton(const TCaptionButton &button);

private:
    friend class TCaptionButton;

    struct PassVotes {
        bool pass = false;
        bool swallow = false;
    };

    void Detach();
    void DrawButton(TCaptionButton &button, QPainter &painter, int width);
    void DrawButtonFace(QPainter &painter, const TRect &rect, ButtonLook look);
    void SendGroupMessage(const TCaptionButton &sender, int kind);
    void RollTo(TCaptionButton &button, bool rolledUp);
    void SetOnTop(TCaptionButton &button, bool onTop);

    // The window hook's actions, one button at a time.
    QPoint WindowPoint(const TMessage &message) const;
    void RequestRepaint(const TCaptionButton &button) const;
    void ShowHint(TCaptionButton &button);
    void HideHint(const TCaptionButton &button) const;
    void RunAction(TCaptionButton &button, TMessage &message);
    void HitTracking(TCaptionButton &button, const TMessage &message);
    void Hover(TCaptionButton &button, const TMessage &message);
    void Press(TCaptionButton &button, const TMessage &message);
    void DoubleClickAsPress(TCaptionButton &button, const TMessage &message);
    void NonClientRelease(TCaptionButton &button, const TMessage &message);
    void ContextMenu(TCaptionButton &button, const TMessage &message);
    void CapturedMove(TCaptionButton &button, const TMessage &message);
    void ReleaseAndClick(TCaptionButton &button, const TMessage &message);
    void GroupUpdate(TCaptionButton &button, const TMessage &message);
    void MetricsChange(TMessage &message);
    void CompleteClick(TCaptionButton &button);

    QPointer<FramedForm> ownerForm_;
    quint16 versionNumber_ = 0x0115;
    TWndMethod savedWndProc_;
    bool designing_;
    bool passOn_ = false;
    PassVotes *votes_ = nullptr;
    int savedHeight_ = 0;
    TBitmap glyphBitmap_;
    int defaultWidth_ = 0;
    int buttonHeight_ = 0;
    int tag_ = 0;
    const std::unique_ptr<CaptionBarState> state_;
    // Declared last, so the buttons, each with its hint window, go before the other members.
    std::unique_ptr<TCaptionButtons> buttons_;
};

} // namespace quillby
