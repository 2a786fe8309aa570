// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "ui/frame/CaptionBarButtons_p.h"

#include "ui/frame/CaptionBarState_p.h"
#include "ui/frame/CaptionButtonAccessible_p.h"

#include "ui/frame/ComponentErrors_p.h"
#include "ui/frame/SystemColors_p.h"

#include <QFontMetrics>
#include <QStyle>

namespace quillby {

namespace {

bool IsToolWindow(TFormBorderStyle style)
{
    return style == TFormBorderStyle::bsToolWindow || style == TFormBorderStyle::bsSizeToolWin;
}

bool IsMultipleDocument(TFormStyle style)
{
    return style != TFormStyle::fsNormal && style != TFormStyle::fsStayOnTop;
}

CaptionGlyph SystemGlyph(TButtonGlyph glyph)
{
    switch (glyph) {
    case bgHelp:
        return CaptionGlyph::Help;
    case bgMaximize:
        return CaptionGlyph::Maximize;
    case bgMinimize:
        return CaptionGlyph::Minimize;
    case bgRestore:
        return CaptionGlyph::Restore;
    default:
        return CaptionGlyph::Close;
    }
}

// Text centred on one line; a path loses its middle, other text its end, to fit.
void DrawCaptionText(QPainter &painter, const TRect &rect, const QString &text)
{
    if (text.isEmpty())
        return;
    const bool isPath = text.contains(QLatin1Char('\\')) || text.contains(QLatin1Char('/'));
    const QString shown = painter.fontMetrics().elidedText(
        text, isPath ? Qt::ElideMiddle : Qt::ElideRight, qMax(0, rect.Width()));
    painter.drawText(rect.ToQRect(), Qt::AlignCenter | Qt::TextSingleLine, shown);
}

// Inside the face's edges; a pushed face shows its content one pixel right and down.
TRect ContentRect(const TRect &rect, ButtonLook look)
{
    return look == ButtonLook::Pushed
               ? TRect{rect.Left + 2, rect.Top + 1, rect.Right - 1, rect.Bottom}
               : TRect{rect.Left + 1, rect.Top, rect.Right - 1, rect.Bottom};
}

// Where a button's own picture stands on its face: the largest square inside the face's edges,
// centred, one pixel right and down when the face is pushed.
QRect PictureRect(const TRect &face, ButtonLook look)
{
    const QRect inside = face.ToQRect().adjusted(2, 2, -2, -2);
    const int side = qMax(0, qMin(inside.width(), inside.height()));
    const QRect picture(inside.left() + (inside.width() - side) / 2,
                        inside.top() + (inside.height() - side) / 2, side, side);
    return look == ButtonLook::Pushed ? picture.translated(1, 1) : picture;
}

// The colour drawn at a point of the painter's image: a style's button face can be lighter or
// darker than the palette's button colour. `otherwise` where the painter draws on no image.
QColor DrawnColor(const QPainter &painter, QPoint at, const QColor &otherwise)
{
    const auto *image = dynamic_cast<const QImage *>(painter.device());
    if (!image)
        return otherwise;
    const QPoint pixel =
        (QPointF(painter.transform().map(at)) * image->devicePixelRatio()).toPoint();
    return image->valid(pixel) ? image->pixelColor(pixel) : otherwise;
}

} // namespace

TCaptionBarButtons::TCaptionBarButtons(FramedFormPrivate *frame, bool designing)
    : QObject(frame ? &frame->Form() : nullptr)
    , ownerForm_(frame)
    , designing_(designing)
    , state_(std::make_unique<CaptionBarState>())
    , buttons_(std::make_unique<TCaptionButtons>(this, static_cast<CaptionButtonListener *>(this)))
{
    versionNumber_ = 0x0115;
    state_->glyphBitmap.SetTransparent(true);
    if (ownerForm_) {
        if (!designing_) {
            savedWndProc_ = ownerForm_->WindowProc();
            ownerForm_->SetWindowProc([this](TMessage &message) { HookWndProc(message); });
        }
        connect(ownerForm_, &FramedFormPrivate::Destroying, this, &TCaptionBarButtons::Detach);
        if (!designing_)
            ExposeCaptionButtons(*ownerForm_, this, *buttons_);
    }
    passOn_ = false;
    const SystemMetrics defaults;
    const auto metric = [this, &defaults](SystemMetric which) {
        return ownerForm_ ? ownerForm_->GetSystemMetrics(which) : defaults.Get(which);
    };
    if (ownerForm_ && IsToolWindow(ownerForm_->BorderStyle())) {
        state_->defaultWidth = metric(SM_CXSMSIZE) - 2;
        state_->buttonHeight = metric(SM_CYSMSIZE) - metric(SM_CYFRAME);
    } else {
        state_->defaultWidth = metric(SM_CXSIZE) - 2;
        state_->buttonHeight = metric(SM_CYSIZE) - metric(SM_CYFRAME);
    }
}

TCaptionBarButtons::~TCaptionBarButtons()
{
    if (ownerForm_ && !designing_)
        ownerForm_->SetWindowProc(savedWndProc_);
}

const CaptionBarState &RunTimeState(const TCaptionBarButtons &component)
{
    return *component.state_;
}

void TCaptionBarButtons::Detach()
{
    for (int i = 0; buttons_ && i < buttons_->Count(); ++i)
        HideHint(*buttons_->Items(i));
    ownerForm_ = nullptr;
}

void TCaptionBarButtons::SetButtons(TCaptionButtons *source)
{
    if (source)
        buttons_->Assign(*source);
    else
        buttons_->Clear();
}

QString TCaptionBarButtons::Version() const
{
    return QStringLiteral("%1.%2").arg(versionNumber_ >> 8).arg(versionNumber_ & 0xFF);
}

TCaptionButton *TCaptionBarButtons::ButtonByIndex(int index) const
{
    if (index >= buttons_->Count())
        return nullptr;
    return buttons_->Items(index);
}

void TCaptionBarButtons::RedrawButtons()
{
    PaintButtons();
}

void TCaptionBarButtons::SetPassOn(bool value)
{
    passOn_ = value;
    if (votes_)
        (value ? votes_->pass : votes_->swallow) = true;
}

void TCaptionBarButtons::PaintButtons()
{
    if (designing_ || !ownerForm_ || !buttons_)
        return;
    FramedFormPrivate &form = *ownerForm_;
    const std::uint32_t style = form.GetWindowLong(GWL_STYLE);
    const std::uint32_t exStyle = form.GetWindowLong(GWL_EXSTYLE);

    const int frameWidth =
        form.GetSystemMetrics((style & WS_THICKFRAME) ? SM_CXFRAME : SM_CXDLGFRAME);
    int systemWidth = 0;
    if (style & WS_SYSMENU) {
        if (exStyle & WS_EX_TOOLWINDOW) {
            systemWidth = form.GetSystemMetrics(SM_CXSMSIZE);
        } else {
            const int size = form.GetSystemMetrics(SM_CXSIZE);
            systemWidth = size;
            if (style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX))
                systemWidth += 2 * (size - 2) + 2;
            else if (exStyle & WS_EX_CONTEXTHELP)
                systemWidth += size;
        }
    }
    int u = systemWidth + frameWidth + 1;
    const int edge = form.GetSystemMetrics(SM_CYEDGE) + form.GetSystemMetrics(SM_CYFRAME);

    for (int i = 0; i < buttons_->Count(); ++i) {
        TCaptionButton &button = *buttons_->Items(i);
        if (!button.Visible())
            continue;
        CaptionButtonState &state = state_->Of(button);
        const int w = button.Width() != 0 ? button.Width() : state_->defaultWidth;
        u += button.Separator();
        const int left = form.Form().width() - (w + 1) - edge - u;
        state.buttonRect = {left, edge, left + w, edge + state_->buttonHeight};

        const std::unique_ptr<WindowCanvas> canvas = form.GetWindowDC();
        QPainter &painter = canvas->Painter();
        painter.setFont(TFont().ToQFont());
        int captionWidth = painter.fontMetrics().horizontalAdvance(form.Form().windowTitle());
        if (form.BorderIcons() & biSystemMenu)
            captionWidth += 40;
        if (captionWidth > left) {
            for (int j = i; j < buttons_->Count(); ++j)
                state_->Of(*buttons_->Items(j)).buttonRect = TRect();
            return;
        }
        DrawButton(button, painter);
        u += w;
    }
}

// A roller shows what its next click does, and so does a stay button, whatever their own
// glyph says; their image is loaded anew at every drawing.
TButtonGlyph TCaptionBarButtons::EffectiveGlyph(const TCaptionButton &button)
{
    TBitmap &image = state_->glyphBitmap;
    if (button.ButtonType() == btRoller) {
        image.LoadFromResourceName(button.RolledUp() ? QStringLiteral("ROLL_DOWN")
                                                     : QStringLiteral("ROLL_UP"));
        image.SetTransparent(true);
        return button.RolledUp() ? bgRollDown : bgRollUp;
    }
    if (button.ButtonType() == btStayOnTop) {
        image.LoadFromResourceName(button.StayOnTop() ? QStringLiteral("STAY_OFF")
                                                      : QStringLiteral("STAY_ON"));
        image.SetTransparent(true);
        return button.StayOnTop() ? bgStayOff : bgStayOn;
    }
    return button.ButtonGlyph();
}

// A pressed button shows pushed only while the cursor is over it; a down one always does.
ButtonLook TCaptionBarButtons::LookOf(const TCaptionButton &button) const
{
    const CaptionButtonState *state = state_->Find(button);
    const bool pressed = state && state->pressed;
    const bool inside = state && state->mouseInside;
    if (!button.Enabled())
        return ButtonLook::Disabled;
    if ((pressed && inside) || button.Down())
        return ButtonLook::Pushed;
    return inside ? ButtonLook::Hot : ButtonLook::Normal;
}

void TCaptionBarButtons::DrawButton(const TCaptionButton &button, QPainter &painter)
{
    const TButtonGlyph glyph = EffectiveGlyph(button);
    const ButtonLook look = LookOf(button);
    switch (glyph) {
    case bgCaption:
        DrawCaptionGlyph(button, painter, look);
        break;
    case bgClose:
    case bgHelp:
    case bgMaximize:
    case bgMinimize:
    case bgRestore:
        DrawSystemGlyph(painter, FaceRect(button), glyph, look);
        break;
    case bgOwnerDraw:
        DrawOwnerDrawn(button, painter);
        break;
    case bgRollUp:
    case bgRollDown:
    case bgStayOn:
    case bgStayOff:
        DrawImageGlyph(button, painter, look);
        break;
    }
}

// A face stands in the row of the caption boxes, with their top and height, so that the
// buttons and the boxes line up; without a caption box it fills the button's rectangle.
TRect TCaptionBarButtons::FaceRect(const TCaptionButton &button) const
{
    const TRect rect = state_->Of(button).buttonRect;
    const QRect box = ownerForm_->CloseBoxRect();
    if (box.isEmpty())
        return rect;
    return {rect.Left, box.top(), rect.Right, box.top() + box.height()};
}

void TCaptionBarButtons::DrawButtonFace(QPainter &painter, const TRect &face, ButtonLook look)
{
    FramedFormPrivate &form = *ownerForm_;
    if (form.VisualStyles()) {
        form.PaintNonClient(painter, face.ToQRect());
        DrawThemedPushButton(painter, face.ToQRect(), look, *form.Form().style(),
                             form.Form().palette());
    } else {
        painter.fillRect(face.ToQRect(), ColorToRGB(clBtnFace, form.Form().palette()));
        DrawClassicPushButton(painter, face.ToQRect(), look, form.Form().palette());
    }
}

// The face, the button's own picture as large as fits inside the face's edges, and its
// caption; a disabled button shows its picture one pixel right and down, and its caption
// embossed.
void TCaptionBarButtons::DrawCaptionGlyph(const TCaptionButton &button, QPainter &painter,
                                          ButtonLook look)
{
    const QPalette &palette = ownerForm_->Form().palette();
    const TRect face = FaceRect(button);
    DrawButtonFace(painter, face, look);
    painter.setBrush(Qt::NoBrush);
    painter.setFont(button.Font().ToQFont());
    const QRect picture = PictureRect(face, look);
    const QColor ground = DrawnColor(painter, picture.center(), ColorToRGB(clBtnFace, palette));
    TRect content = ContentRect(face, look);
    if (look != ButtonLook::Disabled) {
        button.Bitmap().DrawFitted(painter, picture, ground);
        painter.setPen(ColorToRGB(button.Font().Color, palette));
        DrawCaptionText(painter, content, button.Caption());
        return;
    }
    content = content.Offset(1, 1);
    painter.setPen(ColorToRGB(clBtnHighlight, palette));
    button.Bitmap().DrawFitted(painter, picture.translated(1, 1), ground);
    DrawCaptionText(painter, content, button.Caption());
    content = content.Offset(-1, -1);
    painter.setPen(ColorToRGB(clBtnShadow, palette));
    DrawCaptionText(painter, content, button.Caption());
}

// One of the window system's own caption boxes, without a face of its own.
void TCaptionBarButtons::DrawSystemGlyph(QPainter &painter, const TRect &rect, TButtonGlyph glyph,
                                         ButtonLook look)
{
    FramedFormPrivate &form = *ownerForm_;
    if (form.VisualStyles())
        DrawThemedCaptionButton(painter, rect.ToQRect(), SystemGlyph(glyph), look,
                                *form.Form().style(), form.Form().palette());
    else
        DrawClassicCaptionButton(painter, rect.ToQRect(), SystemGlyph(glyph), look,
                                 form.Form().palette());
}

// The button's OnDrawButton draws it all; Down is not reported.
void TCaptionBarButtons::DrawOwnerDrawn(const TCaptionButton &button, QPainter &painter)
{
    if (!button.OnDrawButton())
        return;
    const CaptionButtonState &state = state_->Of(button);
    TOwnerDrawState drawState = 0;
    if (state.pressed)
        drawState |= odSelected;
    if (state.mouseInside)
        drawState |= odFocused;
    if (!button.Enabled())
        drawState |= odDisabled;
    button.OnDrawButton().Call(this, painter, state.buttonRect, drawState);
}

// The face with the roll or stay image centred at its own size, its top-left colour left out.
void TCaptionBarButtons::DrawImageGlyph(const TCaptionButton &button, QPainter &painter,
                                        ButtonLook look)
{
    const TRect face = FaceRect(button);
    DrawButtonFace(painter, face, look);
    TBitmap &image = state_->glyphBitmap;
    if (image.Empty())
        return;
    const TRect area = ContentRect(face, look).Inflated(-2, -2);
    image.SetTransparentColor(image.Image().pixelColor(0, 0));
    const int x = area.Left + (area.Width() - image.Width()) / 2;
    const int y = area.Top + (area.Height() - image.Height()) / 2;
    image.Draw(painter, x, y);
}

void TCaptionBarButtons::SendGroupMessage(const TCaptionButton &sender, int kind)
{
    if (!ownerForm_)
        return;
    ownerForm_->Perform(CM_CAPTIONBUTTONGROUP, reinterpret_cast<std::uintptr_t>(&sender),
                        static_cast<std::intptr_t>(kind) * 65536 + (sender.GroupIndex() & 0xFFFF));
}

void TCaptionBarButtons::ButtonChanged(const TCaptionButton &)
{
    PaintButtons();
}

// The caption is drawn again, and every visible button with it.
void TCaptionBarButtons::ButtonVisibilityChanged(const TCaptionButton &)
{
    if (ownerForm_)
        ownerForm_->Perform(WM_NCACTIVATE, 1, 0);
}

void TCaptionBarButtons::AllowAllUpAssigned(const TCaptionButton &)
{
    SetPassOn(true);
}

void TCaptionBarButtons::GroupChanged(const TCaptionButton &button, int kind)
{
    SendGroupMessage(button, kind);
}

// Without a form the buttons keep the value and nothing moves.
bool TCaptionBarButtons::FormRollsAndStaysOnTop() const
{
    return !ownerForm_ || !IsMultipleDocument(ownerForm_->FormStyle());
}

void TCaptionBarButtons::RolledUpChanged(const TCaptionButton &button)
{
    if (!ownerForm_)
        return;
    PaintButtons();
    if (!designing_)
        Roll(button);
}

void TCaptionBarButtons::StayOnTopChanged(const TCaptionButton &button)
{
    if (!ownerForm_)
        return;
    PaintButtons();
    if (!designing_)
        ownerForm_->SetFormStyle(button.StayOnTop() ? TFormStyle::fsStayOnTop
                                                    : TFormStyle::fsNormal);
}

void TCaptionBarButtons::ButtonRemoved(const TCaptionButton &button)
{
    state_->Forget(button);
}

QWidget *TCaptionBarButtons::Window() const
{
    return ownerForm_ ? &ownerForm_->Form() : nullptr;
}

// Where the face shows, which is not quite the rectangle that takes the mouse: the face stands
// in the row of the caption boxes. An owner-drawn button is drawn in its rectangle.
QRect TCaptionBarButtons::DrawnRect(const TCaptionButton &button) const
{
    const CaptionButtonState *state = state_->Find(button);
    if (!ownerForm_ || !state || state->buttonRect.IsEmpty())
        return {};
    if (button.ButtonType() == btCustom && button.ButtonGlyph() == bgOwnerDraw)
        return state->buttonRect.ToQRect();
    return FaceRect(button).ToQRect();
}

void TCaptionBarButtons::Click(TCaptionButton &button)
{
    ClickButton(button);
}

// Rolls the form up to its caption or down to the height it had, in steps of the button's
// Speed when it animates.
void TCaptionBarButtons::Roll(const TCaptionButton &button)
{
    FramedFormPrivate &form = *ownerForm_;
    const int speed = button.Speed();
    int &saved = state_->savedHeight;
    if (button.RolledUp()) {
        saved = form.Form().height();
        if (button.Animate()) {
            const int steps =
                (form.Form().height() - form.GetSystemMetrics(SM_CYCAPTION)) / speed - 1;
            for (int i = 0; i < steps; ++i) {
                form.SetHeight(form.Form().height() - speed);
                form.Repaint();
            }
        }
        form.SetHeight(form.GetSystemMetrics(SM_CYCAPTION) + form.GetSystemMetrics(SM_CYFRAME));
    } else {
        if (button.Animate()) {
            const int steps = (saved - form.Form().height()) / speed - 1;
            for (int i = 0; i < steps; ++i) {
                form.SetHeight(form.Form().height() + speed);
                form.Repaint();
            }
        }
        form.SetHeight(saved);
    }
}

} // namespace quillby
