// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "ui/captionbar/CaptionBarButtons.h"

#include "ui/captionbar/CaptionBarState_p.h"
#include "ui/captionbar/CaptionButtonAccessible.h"

#include "ui/captionbar/ComponentErrors.h"
#include "ui/frame/SystemColors.h"

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

} // namespace

TCaptionBarButtons::TCaptionBarButtons(QObject *owner, bool designing)
    : QObject(owner)
    , ownerForm_(qobject_cast<FramedForm *>(owner))
    , designing_(designing)
    , state_(std::make_unique<CaptionBarState>())
    , buttons_(std::make_unique<TCaptionButtons>(this))
{
    versionNumber_ = 0x0115;
    glyphBitmap_.SetTransparent(true);
    const SystemMetrics metrics = ownerForm_ ? ownerForm_->Metrics() : SystemMetrics();
    if (ownerForm_) {
        if (!designing_) {
            savedWndProc_ = ownerForm_->WindowProc();
            ownerForm_->SetWindowProc([this](TMessage &message) { HookWndProc(message); });
        }
        connect(ownerForm_, &FramedForm::Destroying, this, &TCaptionBarButtons::Detach);
        if (!designing_)
            ExposeCaptionButtons(*this);
    }
    passOn_ = false;
    if (ownerForm_ && IsToolWindow(ownerForm_->BorderStyle())) {
        defaultWidth_ = metrics.Get(SM_CXSMSIZE) - 2;
        buttonHeight_ = metrics.Get(SM_CYSMSIZE) - metrics.Get(SM_CYFRAME);
    } else {
        defaultWidth_ = metrics.Get(SM_CXSIZE) - 2;
        buttonHeight_ = metrics.Get(SM_CYSIZE) - metrics.Get(SM_CYFRAME);
    }
}

TCaptionBarButtons::~TCaptionBarButtons()
{
    if (ownerForm_ && !designing_)
        ownerForm_->SetWindowProc(savedWndProc_);
}

void TCaptionBarButtons::Detach()
{
    for (int i = 0; buttons_ && i < buttons_->Count(); ++i)
        HideHint(*buttons_->Items(i));
    ownerForm_ = nullptr;
}

const CaptionButtonState *TCaptionBarButtons::ButtonState(const TCaptionButton &button) const
{
    return state_->Find(button);
}

void TCaptionBarButtons::ForgetButton(const TCaptionButton &button)
{
    state_->Forget(button);
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
    FramedForm &form = *ownerForm_;
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
        const int w = button.Width() != 0 ? button.Width() : defaultWidth_;
        u += button.Separator();
        const int left = form.Width() - (w + 1) - edge - u;
        state.buttonRect = {left, edge, left + w, edge + buttonHeight_};

        const std::unique_ptr<WindowCanvas> canvas = form.GetWindowDC();
        QPainter &painter = canvas->Painter();
        painter.setFont(TFont().ToQFont());
        int captionWidth = painter.fontMetrics().horizontalAdvance(form.windowTitle());
        if (form.BorderIcons() & biSystemMenu)
            captionWidth += 40;
        if (captionWidth > left) {
            for (int j = i; j < buttons_->Count(); ++j)
                state_->Of(*buttons_->Items(j)).buttonRect = TRect();
            return;
        }
        DrawButton(button, painter, w);
        u += w;
    }
}

void TCaptionBarButtons::DrawButtonFace(QPainter &painter, const TRect &rect, ButtonLook look)
{
    FramedForm &form = *ownerForm_;
    if (form.VisualStyles()) {
        const QRect around = rect.Inflated(0, 1).ToQRect();
        form.PaintNonClient(painter, around);
        DrawThemedPushButton(painter, around, look, *form.style(), form.palette());
    } else {
        painter.fillRect(rect.ToQRect(), ColorToRGB(clBtnFace, form.palette()));
        DrawClassicPushButton(painter, rect.ToQRect(), look, form.palette());
    }
}

void TCaptionBarButtons::DrawButton(TCaptionButton &button, QPainter &painter, int width)
{
    CaptionButtonState &state = state_->Of(button);
    FramedForm &form = *ownerForm_;
    TButtonGlyph glyph = button.ButtonGlyph();
    if (button.ButtonType() == btRoller) {
        glyph = button.RolledUp() ? bgRollDown : bgRollUp;
        glyphBitmap_.LoadFromResourceName(button.RolledUp() ? QStringLiteral("ROLL_DOWN")
                                                            : QStringLiteral("ROLL_UP"));
        glyphBitmap_.SetTransparent(true);
    } else if (button.ButtonType() == btStayOnTop) {
        glyph = button.StayOnTop() ? bgStayOff : bgStayOn;
        glyphBitmap_.LoadFromResourceName(button.StayOnTop() ? QStringLiteral("STAY_OFF")
                                                             : QStringLiteral("STAY_ON"));
        glyphBitmap_.SetTransparent(true);
    }

    ButtonLook look = ButtonLook::Normal;
    if (!button.Enabled())
        look = ButtonLook::Disabled;
    else if ((state.pressed && state.mouseInside) || button.Down())
        look = ButtonLook::Pushed;
    else if (state.mouseInside)
        look = ButtonLook::Hot;

    const TRect rect = state.buttonRect;
    TRect content = look == ButtonLook::Pushed
                        ? TRect{rect.Left + 2, rect.Top + 1, rect.Right - 1, rect.Bottom}
                        : TRect{rect.Left + 1, rect.Top, rect.Right - 1, rect.Bottom};

    switch (glyph) {
    case bgCaption: {
        DrawButtonFace(painter, rect, look);
        painter.setBrush(Qt::NoBrush);
        painter.setFont(button.Font().ToQFont());
        const auto drawBitmap = [&](const TRect &area) {
            button.Bitmap().StretchDraw(
                painter, QRect(area.Left + 1, area.Top + 2, width - 5, buttonHeight_ - 5));
        };
        if (look != ButtonLook::Disabled) {
            drawBitmap(content);
            painter.setPen(ColorToRGB(button.Font().Color, form.palette()));
            DrawCaptionText(painter, content, button.Caption());
        } else {
            content = content.Offset(1, 1);
            painter.setPen(ColorToRGB(clBtnHighlight, form.palette()));
            drawBitmap(content);
            DrawCaptionText(painter, content, button.Caption());
            content = content.Offset(-1, -1);
            painter.setPen(ColorToRGB(clBtnShadow, form.palette()));
            DrawCaptionText(painter, content, button.Caption());
        }
        break;
    }
    case bgClose:
    case bgHelp:
    case bgMaximize:
    case bgMinimize:
    case bgRestore:
        if (form.VisualStyles())
            DrawThemedCaptionButton(painter, rect.ToQRect(), SystemGlyph(glyph), look,
                                    *form.style(), form.palette());
        else
            DrawClassicCaptionButton(painter, rect.ToQRect(), SystemGlyph(glyph), look,
                                     form.palette());
        break;
    case bgOwnerDraw:
        if (button.OnDrawButton()) {
            TOwnerDrawState drawState = 0;
            if (state.pressed)
                drawState |= odSelected;
            if (state.mouseInside)
                drawState |= odFocused;
            if (!button.Enabled())
                drawState |= odDisabled;
            button.OnDrawButton().Call(this, painter, rect, drawState);
        }
        break;
    case bgRollUp:
    case bgRollDown:
    case bgStayOn:
    case bgStayOff: {
        DrawButtonFace(painter, rect, look);
        const TRect area = content.Inflated(-2, -2);
        if (glyphBitmap_.Empty())
            break;
        glyphBitmap_.SetTransparentColor(glyphBitmap_.Image().pixelColor(0, 0));
        const int x = area.Left + (area.Width() - glyphBitmap_.Width()) / 2;
        const int y = area.Top + (area.Height() - glyphBitmap_.Height()) / 2;
        glyphBitmap_.Draw(painter, x, y);
        break;
    }
    }
}

void TCaptionBarButtons::SendGroupMessage(const TCaptionButton &sender, int kind)
{
    if (!ownerForm_)
        return;
    ownerForm_->Perform(CM_CAPTIONBUTTONGROUP, reinterpret_cast<std::uintptr_t>(&sender),
                        static_cast<std::intptr_t>(kind) * 65536 + (sender.GroupIndex() & 0xFFFF));
}

void TCaptionBarButtons::RollTo(TCaptionButton &button, bool rolledUp)
{
    if (!ownerForm_ || IsMultipleDocument(ownerForm_->FormStyle())) {
        if (!ownerForm_)
            button.rolledUp_ = rolledUp;
        return;
    }
    button.rolledUp_ = rolledUp;
    PaintButtons();
    if (designing_)
        return;
    FramedForm &form = *ownerForm_;
    const int speed = button.Speed();
    if (rolledUp) {
        savedHeight_ = form.Height();
        if (button.Animate()) {
            const int steps = (form.Height() - form.GetSystemMetrics(SM_CYCAPTION)) / speed - 1;
            for (int i = 0; i < steps; ++i) {
                form.SetHeight(form.Height() - speed);
                form.Repaint();
            }
        }
        form.SetHeight(form.GetSystemMetrics(SM_CYCAPTION) + form.GetSystemMetrics(SM_CYFRAME));
    } else {
        if (button.Animate()) {
            const int steps = (savedHeight_ - form.Height()) / speed - 1;
            for (int i = 0; i < steps; ++i) {
                form.SetHeight(form.Height() + speed);
                form.Repaint();
            }
        }
        form.SetHeight(savedHeight_);
    }
}

void TCaptionBarButtons::SetOnTop(TCaptionButton &button, bool onTop)
{
    if (!ownerForm_ || IsMultipleDocument(ownerForm_->FormStyle())) {
        if (!ownerForm_)
            button.stayOnTop_ = onTop;
        return;
    }
    button.stayOnTop_ = onTop;
    PaintButtons();
    if (!designing_)
        ownerForm_->SetFormStyle(onTop ? TFormStyle::fsStayOnTop : TFormStyle::fsNormal);
}

} // namespace quillby
