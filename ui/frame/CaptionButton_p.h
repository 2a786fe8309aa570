// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include "ui/frame/Bitmap_p.h"
#include "ui/frame/Font_p.h"
#include "ui/frame/Rect_p.h"

#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QVariant>

#include <functional>

class QPainter;

namespace quillby {

class CaptionButtonListener;
class TCaptionButtons;

// The owner-draw state flags passed to OnDrawButton.
enum TOwnerDrawStateFlag : unsigned {
    odSelected = 0x0001,
    odDisabled = 0x0004,
    odFocused = 0x0010
};
using TOwnerDrawState = unsigned;

// An event handler: what to call and, so that stored forms can name it, the handler's name.
template <typename... Args> struct TMethod {
    QString Name;
    std::function<void(Args...)> Call;

    explicit operator bool() const { return static_cast<bool>(Call); }
};

// A plain event, called with the object it comes from.
using TNotifyEvent = TMethod<QObject *>;
// Draws an owner-drawn caption button.
using TDrawButtonEvent = TMethod<QObject *, QPainter &, TRect, TOwnerDrawState>;

// One push button in a form's caption bar. Its published properties are listed in the order in
// which stored forms list them and loading assigns them.
class TCaptionButton : public QObject {
    Q_OBJECT

public:
    // What a click does.
    enum TButtonTypes : quint8 { btCustom, btRoller, btStayOnTop };
    Q_ENUM(TButtonTypes)
    // What the button shows.
    enum TButtonGlyph : quint8 {
        bgCaption,
        bgClose,
        bgHelp,
        bgMaximize,
        bgMinimize,
        bgRestore,
        bgOwnerDraw,
        bgRollUp,
        bgRollDown,
        bgStayOn,
        bgStayOff,
    };
    Q_ENUM(TButtonGlyph)

private:
    Q_PROPERTY(bool AllowAllUp READ AllowAllUp WRITE SetAllowAllUp)
    Q_PROPERTY(bool Animate READ Animate WRITE SetAnimate)
    Q_PROPERTY(TButtonGlyph ButtonGlyph READ ButtonGlyph WRITE SetButtonGlyph)
    Q_PROPERTY(TButtonTypes ButtonType READ ButtonType WRITE SetButtonType)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(QMenu *DropDownMenu READ DropDownMenu WRITE SetDropDownMenu)
    Q_PROPERTY(bool Down READ Down WRITE SetDown)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(quillby::TBitmap Bitmap READ Bitmap WRITE SetBitmap)
    Q_PROPERTY(quillby::TFont Font READ Font WRITE SetFont)
    Q_PROPERTY(int GroupIndex READ GroupIndex WRITE SetGroupIndex)
    Q_PROPERTY(QString Hint READ Hint WRITE SetHint)
    Q_PROPERTY(QString Name READ Name WRITE SetName)
    Q_PROPERTY(QMenu *PopupMenu READ PopupMenu WRITE SetPopupMenu)
    Q_PROPERTY(bool RolledUp READ RolledUp WRITE SetRolledUp)
    Q_PROPERTY(int Separator READ Separator WRITE SetSeparator)
    Q_PROPERTY(bool StayOnTop READ StayOnTop WRITE SetStayOnTop)
    Q_PROPERTY(int Speed READ Speed WRITE SetSpeed)
    Q_PROPERTY(int Tag READ Tag WRITE SetTag)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
    Q_PROPERTY(int Width READ Width WRITE SetWidth)

public:
    ~TCaptionButton() override;

    TCaptionButtons *Collection() const { return collection_; }

    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool value);
    bool Animate() const { return animate_; }
    void SetAnimate(bool value) { animate_ = value; }
    TButtonGlyph ButtonGlyph() const { return buttonGlyph_; }
    void SetButtonGlyph(TButtonGlyph value);
    TButtonTypes ButtonType() const { return buttonType_; }
    void SetButtonType(TButtonTypes value);
    QString Caption() const { return caption_; }
    void SetCaption(const QString &value);
    QMenu *DropDownMenu() const { return dropDownMenu_; }
    void SetDropDownMenu(QMenu *menu);
    bool Down() const { return down_; }
    void SetDown(bool value);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    const TBitmap &Bitmap() const { return bitmap_; }
    void SetBitmap(const TBitmap &value);
    const TFont &Font() const { return font_; }
    void SetFont(const TFont &value);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int value);
    QString Hint() const { return hint_; }
    void SetHint(const QString &value) { hint_ = value; }
    QString Name() const { return name_; }
    // A name another button carries, ignoring case, raises EComponentError
    // "Duplicated button name"; a change of case alone is not kept.
    void SetName(const QString &value);
    QMenu *PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(QMenu *menu);
    bool RolledUp() const { return rolledUp_; }
    void SetRolledUp(bool value);
    int Separator() const { return separator_; }
    void SetSeparator(int value);
    bool StayOnTop() const { return stayOnTop_; }
    void SetStayOnTop(bool value);
    int Speed() const { return speed_; }
    // Kept within 1 to 50.
    void SetSpeed(int value);
    int Tag() const { return tag_; }
    void SetTag(int value) { tag_ = value; }
    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    int Width() const { return width_; }
    void SetWidth(int value);

    // Called with the form as Sender.
    const TNotifyEvent &OnClick() const { return onClick_; }
    void SetOnClick(TNotifyEvent handler) { onClick_ = std::move(handler); }
    // Called with the component as Sender.
    const TDrawButtonEvent &OnDrawButton() const { return onDrawButton_; }
    void SetOnDrawButton(TDrawButtonEvent handler) { onDrawButton_ = std::move(handler); }

    // Copies every published property from `source`, a TCaptionButton (anything else raises
    // EConvertError), without side effects; the run-time state stays.
    void Assign(const QObject *source);

    // The rules of a group (buttons with the same non-zero GroupIndex), applied without the
    // setters' side effects. A notice from `sender`, another member: kind 0 (its Down changed)
    // raises this button, and every kind gives it the sender's AllowAllUp.
    void FollowGroup(const TCaptionButton &sender, int kind);
    // A click on a member: it goes down, or up and down in turn with AllowAllUp, and the group
    // hears of it.
    void ClickInGroup();

private:
    // The collection makes its buttons and gives each its first name.
    friend class TCaptionButtons;

    explicit TCaptionButton(TCaptionButtons *collection);
    CaptionButtonListener *Listener() const;
    void NotifyChanged() const;
    void NotifyGroup(int kind) const;

    TCaptionButtons *collection_;
    bool allowAllUp_ = false;
    bool animate_ = false;
    TButtonGlyph buttonGlyph_ = bgCaption;
    TButtonTypes buttonType_ = btCustom;
    QString caption_;
    QPointer<QMenu> dropDownMenu_;
    bool down_ = false;
    bool enabled_ = true;
    TBitmap bitmap_;
    TFont font_;
    int groupIndex_ = 0;
    QString hint_;
    QString name_;
    QPointer<QMenu> popupMenu_;
    bool rolledUp_ = false;
    int separator_ = 0;
    bool stayOnTop_ = false;
    int speed_ = 30;
    int tag_ = 0;
    bool visible_ = true;
    int width_ = 0;
    TNotifyEvent onClick_;
    TDrawButtonEvent onDrawButton_;
};

using TButtonTypes = TCaptionButton::TButtonTypes;
using TButtonGlyph = TCaptionButton::TButtonGlyph;
inline constexpr TButtonTypes btCustom = TCaptionButton::btCustom;
inline constexpr TButtonTypes btRoller = TCaptionButton::btRoller;
inline constexpr TButtonTypes btStayOnTop = TCaptionButton::btStayOnTop;
inline constexpr TButtonGlyph bgCaption = TCaptionButton::bgCaption;
inline constexpr TButtonGlyph bgClose = TCaptionButton::bgClose;
inline constexpr TButtonGlyph bgHelp = TCaptionButton::bgHelp;
inline constexpr TButtonGlyph bgMaximize = TCaptionButton::bgMaximize;
inline constexpr TButtonGlyph bgMinimize = TCaptionButton::bgMinimize;
inline constexpr TButtonGlyph bgRestore = TCaptionButton::bgRestore;
inline constexpr TButtonGlyph bgOwnerDraw = TCaptionButton::bgOwnerDraw;
inline constexpr TButtonGlyph bgRollUp = TCaptionButton::bgRollUp;
inline constexpr TButtonGlyph bgRollDown = TCaptionButton::bgRollDown;
inline constexpr TButtonGlyph bgStayOn = TCaptionButton::bgStayOn;
inline constexpr TButtonGlyph bgStayOff = TCaptionButton::bgStayOff;

} // namespace quillby

Q_DECLARE_METATYPE(quillby::TBitmap)
Q_DECLARE_METATYPE(quillby::TFont)
