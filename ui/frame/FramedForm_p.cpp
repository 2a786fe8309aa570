// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#include "ui/frame/FramedForm_p.h"

#include "ui/frame/SystemColors_p.h"

#include <QAction>
#include <QCoreApplication>
#include <QCursor>
#include <QEnterEvent>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QScopedValueRollback>
#include <QStyle>
#include <QWhatsThis>
#include <QWidget>
#include <QWindow>
#include <qdrawutil.h>

namespace quillby {

namespace {

// Posted when an invalidated client area waits for its WM_PAINT.
const QEvent::Type kPaintMessageEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

std::uintptr_t MouseKeys(Qt::MouseButtons buttons)
{
    std::uintptr_t keys = 0;
    if (buttons & Qt::LeftButton)
        keys |= MK_LBUTTON;
    if (buttons & Qt::RightButton)
        keys |= MK_RBUTTON;
    return keys;
}

} // namespace

WindowCanvas::WindowCanvas(FramedFormPrivate &frame)
    : frame_(frame)
{
    if (frame_.surface_.isNull())
        frame_.RebuildSurface();
    painter_.begin(&frame_.surface_);
}

WindowCanvas::~WindowCanvas()
{
    painter_.end();
    frame_.FlushSurface();
}

FramedFormPrivate::FramedFormPrivate(QWidget &form)
    : form_(form)
    , windowProc_([this](TMessage &message) { DefWindowProc(message); })
{
    // Made once every member is set: adding a child already sends the window events.
    clientArea_ = new QWidget(&form_);
    clientArea_->setObjectName(QStringLiteral("ClientArea"));
    clientArea_->setAutoFillBackground(true);
    clientArea_->setMouseTracking(true);
    clientArea_->installEventFilter(this);
    form_.setMouseTracking(true);
    form_.installEventFilter(this);

    // Alt+F4 closes the window as the system menu's Close would.
    auto *closeAction = new QAction(this);
    closeAction->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
    closeAction->setShortcutContext(Qt::WindowShortcut);
    form_.addAction(closeAction);
    connect(closeAction, &QAction::triggered, this, [this] { SysCommand(SC_CLOSE); });
}

FramedFormPrivate::~FramedFormPrivate()
{
    FormDestroying();
}

void FramedFormPrivate::FormDestroying()
{
    if (destroying_)
        return;
    destroying_ = true;
    emit Destroying();
    windowProc_ = nullptr;
    ReleaseCapture();
}

void FramedFormPrivate::AddCaptionParts(QObject *source, std::function<QList<QObject *>()> parts)
{
    captionParts_.emplace_back(source, std::move(parts));
}

void FramedFormPrivate::SetCaptionBoxParts(std::function<QList<QObject *>()> boxes)
{
    boxParts_ = std::move(boxes);
}

QList<QObject *> FramedFormPrivate::CaptionParts() const
{
    QList<QObject *> found;
    for (const auto &[source, parts] : captionParts_) {
        if (source)
            found += parts();
    }
    if (boxParts_)
        found += boxParts_();
    return found;
}

FrameInspection FramedFormPrivate::Inspect() const
{
    return {surface_, captionActive_, captured_};
}

int FramedFormPrivate::FrameWidth() const
{
    const std::uint32_t style = GetWindowLong(GWL_STYLE);
    if (borderStyle_ == TFormBorderStyle::bsNone)
        return 0;
    return GetSystemMetrics((style & WS_THICKFRAME) ? SM_CXFRAME : SM_CXDLGFRAME);
}

int FramedFormPrivate::FrameHeight() const
{
    const std::uint32_t style = GetWindowLong(GWL_STYLE);
    if (borderStyle_ == TFormBorderStyle::bsNone)
        return 0;
    return GetSystemMetrics((style & WS_THICKFRAME) ? SM_CYFRAME : SM_CYDLGFRAME);
}

int FramedFormPrivate::CaptionHeight() const
{
    if ((GetWindowLong(GWL_STYLE) & WS_CAPTION) != WS_CAPTION)
        return 0;
    return GetSystemMetrics((GetWindowLong(GWL_EXSTYLE) & WS_EX_TOOLWINDOW) ? SM_CYSMCAPTION
                                                                            : SM_CYCAPTION);
}

QSize FramedFormPrivate::NonClientSize() const
{
    return {2 * FrameWidth(), 2 * FrameHeight() + CaptionHeight()};
}

QSize FramedFormPrivate::CaptionBoxSize() const
{
    if (GetWindowLong(GWL_EXSTYLE) & WS_EX_TOOLWINDOW)
        return {GetSystemMetrics(SM_CXSMSIZE) - 2, GetSystemMetrics(SM_CYSMSIZE) - 4};
    return {GetSystemMetrics(SM_CXSIZE) - 2, GetSystemMetrics(SM_CYSIZE) - 4};
}

QRect FramedFormPrivate::ClientRect() const
{
    const QSize frame = NonClientSize();
    return {0, 0, qMax(0, form_.width() - frame.width()), qMax(0, form_.height() - frame.height())};
}

QPoint FramedFormPrivate::ClientOrigin() const
{
    return {FrameWidth(), FrameHeight() + CaptionHeight()};
}

void FramedFormPrivate::SetClientSize(QSize size)
{
    ApplyFrame(size);
}

void FramedFormPrivate::ApplyFrame(QSize clientSize)
{
    const QSize outer = clientSize + NonClientSize();
    if (GetWindowLong(GWL_STYLE) & WS_THICKFRAME) {
        form_.setMinimumSize(NonClientSize());
        form_.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        form_.resize(outer);
    } else {
        form_.setFixedSize(outer);
    }
    clientArea_->setGeometry(QRect(ClientOrigin(), ClientRect().size()));
    PaintFrame();
}

void FramedFormPrivate::SetBorderStyle(TFormBorderStyle style)
{
    const QSize client = ClientRect().size();
    borderStyle_ = style;
    ApplyFrame(client);
}

void FramedFormPrivate::SetBorderIcons(TBorderIcons icons)
{
    const QSize client = ClientRect().size();
    borderIcons_ = icons;
    ApplyFrame(client);
}

void FramedFormPrivate::SetFormStyle(TFormStyle style)
{
    formStyle_ = style;
    const bool onTop = style == TFormStyle::fsStayOnTop;
    if (form_.windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop)
        return;
    const bool wasVisible = form_.isVisible();
    form_.setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (wasVisible)
        form_.show();
}

std::uint32_t FramedFormPrivate::GetWindowLong(int index) const
{
    const WindowStyle style = StyleFor(borderStyle_, borderIcons_);
    if (index == GWL_STYLE)
        return style.Style;
    if (index == GWL_EXSTYLE)
        return style.ExStyle | (formStyle_ == TFormStyle::fsStayOnTop ? WS_EX_TOPMOST : 0u);
    return 0;
}

void FramedFormPrivate::SetMetrics(const SystemMetrics &metrics)
{
    const QSize client = ClientRect().size();
    metrics_ = metrics;
    ApplyFrame(client);
    Perform(WM_SETTINGCHANGE, 0, 0);
}

void FramedFormPrivate::SetVisualStyles(bool on)
{
    visualStyles_ = on;
    PaintFrame();
    InvalidateRect(TRect::FromQRect(ClientRect()), false);
}

int FramedFormPrivate::Left() const
{
    return form_.geometry().left();
}

int FramedFormPrivate::Top() const
{
    return form_.geometry().top();
}

void FramedFormPrivate::SetHeight(int height)
{
    if (form_.minimumHeight() == form_.maximumHeight()) {
        form_.setFixedHeight(height);
        return;
    }
    // A sizing frame may be made shorter than its frame and caption (rolled up to its caption):
    // the least height is lowered before such a resize and raised again after a taller one, so
    // that it never stretches the height asked for.
    const int least = qMin(NonClientSize().height(), height);
    if (least < form_.minimumHeight())
        form_.setMinimumHeight(least);
    form_.resize(form_.width(), height);
    if (least > form_.minimumHeight())
        form_.setMinimumHeight(least);
}

void FramedFormPrivate::SetWindowProc(TWndMethod proc)
{
    windowProc_ = std::move(proc);
}

std::intptr_t FramedFormPrivate::Perform(std::uint32_t msg, std::uintptr_t wParam,
                                         std::intptr_t lParam)
{
    TMessage message{msg, wParam, lParam, 0};
    // A copy, so that a procedure may replace itself while it runs.
    const TWndMethod proc = windowProc_;
    if (proc)
        proc(message);
    return message.Result;
}

void FramedFormPrivate::DefWindowProc(TMessage &message)
{
    switch (message.Msg) {
    case WM_NCHITTEST:
        message.Result = HitTest(form_.mapFromGlobal(ScreenPoint(message)));
        break;
    case WM_NCPAINT:
    case WM_SETTINGCHANGE:
    case WM_SYSCOLORCHANGE:
    case WM_THEMECHANGED:
        PaintFrame();
        break;
    case WM_NCACTIVATE:
        captionActive_ = message.WParam != 0;
        PaintFrame();
        message.Result = 1;
        break;
    case WM_SETTEXT:
        PaintFrame();
        message.Result = 1;
        break;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        NonClientPress(message);
        break;
    case WM_SYSCOMMAND:
        SystemCommand(message);
        break;
    default:
        break;
    }
}

QPoint FramedFormPrivate::ScreenPoint(const TMessage &message)
{
    return {SignedLoWord(message.LParam), SignedHiWord(message.LParam)};
}

// A left press on the frame: a caption box follows the mouse until the release, the caption
// drags the window (a double click on it maximizes or restores), a sizing edge resizes it.
void FramedFormPrivate::NonClientPress(const TMessage &message)
{
    const QPoint at = form_.mapFromGlobal(ScreenPoint(message));
    const std::uint32_t style = GetWindowLong(GWL_STYLE);
    const auto hit = static_cast<std::intptr_t>(message.WParam);
    switch (hit) {
    case HTCLOSE:
        StartTracking(Tracking::CloseBox, at);
        break;
    case HTMAXBUTTON:
        if (style & WS_MAXIMIZEBOX)
            StartTracking(Tracking::MaxBox, at);
        break;
    case HTMINBUTTON:
        if (style & WS_MINIMIZEBOX)
            StartTracking(Tracking::MinBox, at);
        break;
    case HTHELP:
        StartTracking(Tracking::HelpBox, at);
        break;
    case HTCAPTION:
        if (message.Msg == WM_NCLBUTTONDBLCLK) {
            if (style & WS_MAXIMIZEBOX)
                SysCommand(form_.isMaximized() ? SC_RESTORE : SC_MAXIMIZE);
        } else {
            SetForegroundWindow();
            Perform(WM_SYSCOMMAND, SC_MOVE | static_cast<std::uintptr_t>(HTCAPTION),
                    message.LParam);
        }
        break;
    default:
        if (style & WS_THICKFRAME)
            StartSystemResize(hit);
        break;
    }
}

void FramedFormPrivate::StartSystemResize(std::intptr_t hit)
{
    if (!form_.windowHandle())
        return;
    Qt::Edges edges;
    if (hit == HTLEFT || hit == HTTOPLEFT || hit == HTBOTTOMLEFT)
        edges |= Qt::LeftEdge;
    if (hit == HTRIGHT || hit == HTTOPRIGHT || hit == HTBOTTOMRIGHT)
        edges |= Qt::RightEdge;
    if (hit == HTTOP || hit == HTTOPLEFT || hit == HTTOPRIGHT)
        edges |= Qt::TopEdge;
    if (hit == HTBOTTOM || hit == HTBOTTOMLEFT || hit == HTBOTTOMRIGHT)
        edges |= Qt::BottomEdge;
    if (edges)
        form_.windowHandle()->startSystemResize(edges);
}

void FramedFormPrivate::SystemCommand(const TMessage &message)
{
    switch (message.WParam & 0xFFF0) {
    case SC_CLOSE:
        form_.close();
        break;
    case SC_MINIMIZE:
        form_.showMinimized();
        break;
    case SC_MAXIMIZE:
        form_.showMaximized();
        break;
    case SC_RESTORE:
        form_.showNormal();
        break;
    case SC_CONTEXTHELP:
        QWhatsThis::enterWhatsThisMode();
        break;
    case SC_MOVE: {
        // From a press on the caption lParam holds the cursor; from elsewhere it is 0.
        const QPoint cursor =
            message.LParam != 0 ? ScreenPoint(message) : QCursor::pos(form_.screen());
        const QPoint offset = form_.mapFromGlobal(cursor);
        if (!form_.windowHandle() || !form_.windowHandle()->startSystemMove())
            StartTracking(Tracking::Move, offset);
        break;
    }
    default:
        break;
    }
}

void FramedFormPrivate::SysCommand(std::uintptr_t command)
{
    Perform(WM_SYSCOMMAND, command, 0);
}

std::unique_ptr<WindowCanvas> FramedFormPrivate::GetWindowDC()
{
    return std::make_unique<WindowCanvas>(*this);
}

void FramedFormPrivate::InvalidateRect(const TRect &clientRect, bool erase)
{
    Q_UNUSED(erase);
    const QRect area = clientRect.ToQRect() & ClientRect();
    if (area.isEmpty())
        return;
    invalid_ += area;
    clientArea_->update(area);
    PostPaint();
}

void FramedFormPrivate::PostPaint()
{
    if (paintPosted_)
        return;
    paintPosted_ = true;
    QCoreApplication::postEvent(this, new QEvent(kPaintMessageEvent), Qt::LowEventPriority);
}

void FramedFormPrivate::DispatchPaint()
{
    if (invalid_.isEmpty() && !framePainted_)
        return;
    invalid_ = QRegion();
    framePainted_ = false;
    Perform(WM_PAINT, 0, 0);
}

void FramedFormPrivate::Repaint()
{
    InvalidateRect(TRect::FromQRect(ClientRect()), true);
    DispatchPaint();
    form_.repaint();
}

void FramedFormPrivate::RebuildSurface()
{
    const qreal ratio = form_.devicePixelRatioF();
    const QSize pixels = form_.size() * ratio;
    if (surface_.size() == pixels && qFuzzyCompare(surface_.devicePixelRatio(), ratio))
        return;
    surface_ = QImage(pixels.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    surface_.setDevicePixelRatio(ratio);
    surface_.fill(form_.palette().color(QPalette::Button));
}

// The frame and caption are drawn anew; a WM_PAINT then goes through the window procedure
// before the window shows them, so that what is drawn over the caption is drawn again.
void FramedFormPrivate::PaintFrame()
{
    if (surface_.isNull() || destroying_)
        return;
    {
        QPainter painter(&surface_);
        PaintNonClient(painter, form_.rect());
    }
    framePainted_ = true;
    PostPaint();
    FlushSurface();
}

void FramedFormPrivate::FlushSurface()
{
    if (!destroying_ && !painting_)
        form_.update();
}

QRect FramedFormPrivate::CaptionRect() const
{
    const int caption = CaptionHeight();
    if (caption == 0)
        return {};
    return {FrameWidth(), FrameHeight(), form_.width() - 2 * FrameWidth(), caption - 1};
}

QRect FramedFormPrivate::CloseBoxRect() const
{
    if (!(GetWindowLong(GWL_STYLE) & WS_SYSMENU) || CaptionHeight() == 0)
        return {};
    const QSize box = CaptionBoxSize();
    return {form_.width() - FrameWidth() - 2 - box.width(), FrameHeight() + 2, box.width(),
            box.height()};
}

QRect FramedFormPrivate::MaxBoxRect() const
{
    const QRect close = CloseBoxRect();
    if (close.isNull() || !(GetWindowLong(GWL_STYLE) & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)))
        return {};
    return close.translated(-close.width() - 2, 0);
}

QRect FramedFormPrivate::MinBoxRect() const
{
    const QRect max = MaxBoxRect();
    if (max.isNull())
        return {};
    return max.translated(-max.width(), 0);
}

QRect FramedFormPrivate::HelpBoxRect() const
{
    const QRect close = CloseBoxRect();
    if (close.isNull() || !MaxBoxRect().isNull() ||
        !(GetWindowLong(GWL_EXSTYLE) & WS_EX_CONTEXTHELP))
        return {};
    return close.translated(-close.width() - 2, 0);
}

std::intptr_t FramedFormPrivate::HitTest(QPoint point) const
{
    if (!form_.rect().contains(point))
        return HTNOWHERE;
    if (ClientRect().translated(ClientOrigin()).contains(point))
        return HTCLIENT;
    if (CloseBoxRect().contains(point))
        return HTCLOSE;
    if (MaxBoxRect().contains(point))
        return HTMAXBUTTON;
    if (MinBoxRect().contains(point))
        return HTMINBUTTON;
    if (HelpBoxRect().contains(point))
        return HTHELP;
    const QRect caption(FrameWidth(), FrameHeight(), form_.width() - 2 * FrameWidth(),
                        CaptionHeight());
    if (caption.contains(point))
        return HTCAPTION;
    if (!(GetWindowLong(GWL_STYLE) & WS_THICKFRAME))
        return HTBORDER;
    // Corners reach a caption's height along each edge.
    const int corner = GetSystemMetrics(SM_CYCAPTION);
    const bool left = point.x() < corner;
    const bool right = point.x() >= form_.width() - corner;
    const bool top = point.y() < corner;
    const bool bottom = point.y() >= form_.height() - corner;
    if (point.y() < FrameHeight())
        return left ? HTTOPLEFT : right ? HTTOPRIGHT : HTTOP;
    if (point.y() >= form_.height() - FrameHeight())
        return left ? HTBOTTOMLEFT : right ? HTBOTTOMRIGHT : HTBOTTOM;
    if (point.x() < FrameWidth())
        return top ? HTTOPLEFT : bottom ? HTBOTTOMLEFT : HTLEFT;
    return top ? HTTOPRIGHT : bottom ? HTBOTTOMRIGHT : HTRIGHT;
}

ButtonLook FramedFormPrivate::BoxLook(Tracking box) const
{
    return tracking_ == box && trackingInside_ ? ButtonLook::Pushed : ButtonLook::Normal;
}

void FramedFormPrivate::PaintNonClient(QPainter &painter, const QRect &clip)
{
    painter.save();
    painter.setClipRect(clip);
    const QPalette pal = form_.palette();
    const QRect outer = form_.rect();
    painter.fillRect(outer, pal.color(QPalette::Button));
    if (FrameWidth() > 0) {
        if (visualStyles_) {
            painter.setPen(pal.color(QPalette::Dark));
            painter.drawRect(outer.adjusted(0, 0, -1, -1));
        } else {
            qDrawWinPanel(&painter, outer, pal, false, nullptr);
        }
    }
    const QRect caption = CaptionRect();
    if (!caption.isEmpty()) {
        QLinearGradient gradient(caption.topLeft(), caption.topRight());
        gradient.setColorAt(0, ColorToRGB(captionActive_ ? clActiveCaption : clInactiveCaption, pal,
                                          visualStyles_));
        gradient.setColorAt(
            1, ColorToRGB(captionActive_ ? clGradientActiveCaption : clGradientInactiveCaption, pal,
                          visualStyles_));
        painter.fillRect(caption, gradient);
        const int boxesLeft = PaintCaptionBoxes(painter);
        // The title ends 3 pixels before the boxes, or at the caption's end without any.
        PaintTitle(painter, QRect(caption.left() + 3, caption.top(),
                                  boxesLeft - 3 - caption.left() - 3, caption.height()));
    }
    painter.restore();
}

// Draws the caption boxes the window offers; gives the left edge of the leftmost one (3 pixels
// after the caption's right end without any).
int FramedFormPrivate::PaintCaptionBoxes(QPainter &painter)
{
    struct Box {
        QRect rect;
        CaptionGlyph glyph;
        Tracking tracking;
        bool enabled;
    };
    const std::uint32_t windowStyle = GetWindowLong(GWL_STYLE);
    const Box boxes[] = {
        {CloseBoxRect(), CaptionGlyph::Close, Tracking::CloseBox, true},
        {MaxBoxRect(), form_.isMaximized() ? CaptionGlyph::Restore : CaptionGlyph::Maximize,
         Tracking::MaxBox, (windowStyle & WS_MAXIMIZEBOX) != 0},
        {MinBoxRect(), CaptionGlyph::Minimize, Tracking::MinBox,
         (windowStyle & WS_MINIMIZEBOX) != 0},
        {HelpBoxRect(), CaptionGlyph::Help, Tracking::HelpBox, true},
    };
    const QPalette pal = form_.palette();
    int left = CaptionRect().right() + 3;
    for (const Box &box : boxes) {
        if (box.rect.isNull())
            continue;
        left = qMin(left, box.rect.left());
        const ButtonLook look = box.enabled ? BoxLook(box.tracking) : ButtonLook::Disabled;
        if (visualStyles_)
            DrawThemedCaptionButton(painter, box.rect, box.glyph, look, *form_.style(), pal);
        else
            DrawClassicCaptionButton(painter, box.rect, box.glyph, look, pal);
    }
    return left;
}

// The title in bold, in the caption text colour of the window's state, cut short to fit.
void FramedFormPrivate::PaintTitle(QPainter &painter, const QRect &textRect)
{
    QFont font = form_.font();
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(ColorToRGB(captionActive_ ? clCaptionText : clInactiveCaptionText,
                              form_.palette(), visualStyles_));
    const QString title =
        painter.fontMetrics().elidedText(form_.windowTitle(), Qt::ElideRight, textRect.width());
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, title);
}

std::intptr_t FramedFormPrivate::ScreenLParam(const QPointF &windowPoint) const
{
    const QPoint screen = form_.mapToGlobal(windowPoint.toPoint());
    return MakeLParam(screen.x(), screen.y());
}

void FramedFormPrivate::SendMouse(std::uint32_t clientMsg, std::uint32_t nonClientMsg,
                                  const QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    const QPoint client = ToClient(at);
    const std::uintptr_t keys = MouseKeys(event->buttons());
    if (captured_) {
        Perform(clientMsg, keys, MakeLParam(client.x(), client.y()));
        return;
    }
    const std::intptr_t screenPoint = ScreenLParam(event->position());
    const std::intptr_t hit = Perform(WM_NCHITTEST, 0, screenPoint);
    if (hit == HTCLIENT)
        Perform(clientMsg, keys, MakeLParam(client.x(), client.y()));
    else if (nonClientMsg != 0)
        Perform(nonClientMsg, static_cast<std::uintptr_t>(hit), screenPoint);
}

void FramedFormPrivate::StartTracking(Tracking tracking, QPoint windowPoint)
{
    tracking_ = tracking;
    trackingInside_ = true;
    dragOffset_ = windowPoint;
    GrabMouse();
    PaintFrame();
}

// Wayland compositors let only popups grab the mouse; there the press itself keeps the mouse
// with this window until the release, which is all the tracking needs.
bool FramedFormPrivate::PlatformGrabsMouse()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void FramedFormPrivate::GrabMouse()
{
    if (PlatformGrabsMouse())
        form_.grabMouse();
}

QRect FramedFormPrivate::TrackedBoxRect() const
{
    switch (tracking_) {
    case Tracking::CloseBox:
        return CloseBoxRect();
    case Tracking::MaxBox:
        return MaxBoxRect();
    case Tracking::MinBox:
        return MinBoxRect();
    case Tracking::HelpBox:
        return HelpBoxRect();
    default:
        return {};
    }
}

// The caption boxes and the caption drag follow the mouse on their own until the release, as
// the window system's own tracking does; the window procedure sees none of these events.
bool FramedFormPrivate::Track(QEvent::Type type, const QMouseEvent *event)
{
    if (tracking_ == Tracking::None)
        return false;
    const QPoint at = event->position().toPoint();
    if (type == QEvent::MouseMove) {
        if (tracking_ == Tracking::Move) {
            form_.move(event->globalPosition().toPoint() - dragOffset_);
        } else {
            const bool inside = TrackedBoxRect().contains(at);
            if (inside != trackingInside_) {
                trackingInside_ = inside;
                PaintFrame();
            }
        }
        return true;
    }
    if (type == QEvent::MouseButtonRelease && event->button() == Qt::LeftButton) {
        const Tracking finished = tracking_;
        const bool inside = finished != Tracking::Move && TrackedBoxRect().contains(at);
        tracking_ = Tracking::None;
        if (QWidget::mouseGrabber() == &form_)
            form_.releaseMouse();
        PaintFrame();
        if (!inside)
            return true;
        switch (finished) {
        case Tracking::CloseBox:
            SysCommand(SC_CLOSE);
            break;
        case Tracking::MaxBox:
            SysCommand(form_.isMaximized() ? SC_RESTORE : SC_MAXIMIZE);
            break;
        case Tracking::MinBox:
            SysCommand(SC_MINIMIZE);
            break;
        case Tracking::HelpBox:
            SysCommand(SC_CONTEXTHELP);
            break;
        default:
            break;
        }
    }
    return true;
}

void FramedFormPrivate::MousePress(QMouseEvent *event)
{
    if (Track(event->type(), event))
        return;
    if (event->button() == Qt::LeftButton)
        SendMouse(WM_LBUTTONDOWN, WM_NCLBUTTONDOWN, event);
    else if (event->button() == Qt::RightButton)
        SendMouse(WM_RBUTTONDOWN, WM_NCRBUTTONDOWN, event);
}

void FramedFormPrivate::MouseRelease(QMouseEvent *event)
{
    if (Track(event->type(), event))
        return;
    if (event->button() == Qt::LeftButton)
        SendMouse(WM_LBUTTONUP, WM_NCLBUTTONUP, event);
    else if (event->button() == Qt::RightButton)
        SendMouse(WM_RBUTTONUP, WM_NCRBUTTONUP, event);
}

void FramedFormPrivate::MouseDoubleClick(QMouseEvent *event)
{
    if (Track(QEvent::MouseButtonPress, event))
        return;
    if (event->button() == Qt::LeftButton)
        SendMouse(WM_LBUTTONDBLCLK, WM_NCLBUTTONDBLCLK, event);
    else if (event->button() == Qt::RightButton)
        SendMouse(WM_RBUTTONDOWN, WM_NCRBUTTONDOWN, event);
}

void FramedFormPrivate::MouseMove(QMouseEvent *event)
{
    if (Track(event->type(), event))
        return;
    SendMouse(WM_MOUSEMOVE, WM_NCMOUSEMOVE, event);
}

void FramedFormPrivate::SetCapture()
{
    captured_ = true;
    if (form_.isVisible())
        GrabMouse();
}

void FramedFormPrivate::ReleaseCapture()
{
    if (!captured_)
        return;
    captured_ = false;
    if (QWidget::mouseGrabber() == &form_)
        form_.releaseMouse();
}

void FramedFormPrivate::SetForegroundWindow()
{
    form_.raise();
    form_.activateWindow();
}

QPoint FramedFormPrivate::CursorPos() const
{
    return QCursor::pos(form_.screen());
}

bool FramedFormPrivate::event(QEvent *event)
{
    if (event->type() == kPaintMessageEvent) {
        paintPosted_ = false;
        DispatchPaint();
        return true;
    }
    return QObject::event(event);
}

bool FramedFormPrivate::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &form_)
        return FormEvent(event);
    // Moves over the client area reach the window procedure as client mouse moves when the
    // cursor comes in from the frame and while it crosses the client area's own background.
    if (watched == clientArea_ && !destroying_ && !captured_) {
        if (event->type() == QEvent::Enter) {
            const QPoint at = static_cast<QEnterEvent *>(event)->position().toPoint();
            Perform(WM_MOUSEMOVE, 0, MakeLParam(at.x(), at.y()));
        } else if (event->type() == QEvent::MouseMove) {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            const QPoint at = mouse->position().toPoint();
            Perform(WM_MOUSEMOVE, MouseKeys(mouse->buttons()), MakeLParam(at.x(), at.y()));
        }
    }
    return false;
}

// The form's own events, before the form sees them: the frame paints the window and takes its
// mouse events; the rest become their messages and go on to the form.
bool FramedFormPrivate::FormEvent(QEvent *event)
{
    if (destroying_)
        return false;
    switch (event->type()) {
    case QEvent::Paint:
        PaintEvent(static_cast<QPaintEvent *>(event));
        return true;
    case QEvent::MouseButtonPress:
        MousePress(static_cast<QMouseEvent *>(event));
        return true;
    case QEvent::MouseButtonRelease:
        MouseRelease(static_cast<QMouseEvent *>(event));
        return true;
    case QEvent::MouseButtonDblClick:
        MouseDoubleClick(static_cast<QMouseEvent *>(event));
        return true;
    case QEvent::MouseMove:
        MouseMove(static_cast<QMouseEvent *>(event));
        return true;
    case QEvent::Resize:
        Resized();
        break;
    case QEvent::Move:
        Moved();
        break;
    case QEvent::Show:
        Shown();
        break;
    case QEvent::WindowActivate:
        Perform(WM_NCACTIVATE, 1, 0);
        Perform(WM_ACTIVATE, WA_ACTIVE, 0);
        break;
    case QEvent::WindowDeactivate:
        Perform(WM_NCACTIVATE, 0, 0);
        Perform(WM_ACTIVATE, WA_INACTIVE, 0);
        break;
    case QEvent::WindowTitleChange: {
        const QString title = form_.windowTitle();
        Perform(WM_SETTEXT, 0, reinterpret_cast<std::intptr_t>(&title));
        break;
    }
    case QEvent::Leave:
        Perform(WM_MOUSELEAVE, 0, 0);
        break;
    // Another palette is new colours and another style a new theme, as the window system tells
    // them; neither changes the metrics. A new font is a change of the system's settings.
    case QEvent::ApplicationPaletteChange:
        Perform(WM_SYSCOLORCHANGE, 0, 0);
        break;
    case QEvent::StyleChange:
        Perform(WM_THEMECHANGED, 0, 0);
        break;
    case QEvent::ApplicationFontChange:
        Perform(WM_SETTINGCHANGE, 0, 0);
        break;
    default:
        break;
    }
    return false;
}

void FramedFormPrivate::PaintEvent(QPaintEvent *event)
{
    if (surface_.isNull())
        return;
    {
        // A WM_PAINT still waiting runs first: the window never shows a caption repainted
        // without what the window procedure draws over it.
        const QScopedValueRollback painting(painting_, true);
        DispatchPaint();
    }
    QPainter painter(&form_);
    painter.setClipRegion(event->region());
    painter.drawImage(QPoint(0, 0), surface_);
}

void FramedFormPrivate::Resized()
{
    clientArea_->setGeometry(QRect(ClientOrigin(), ClientRect().size()));
    if (!form_.isVisible())
        return;
    RebuildSurface();
    Perform(WM_WINDOWPOSCHANGING, 0, 0);
    Perform(WM_NCPAINT, 1, 0);
    InvalidateRect(TRect::FromQRect(ClientRect()), true);
}

void FramedFormPrivate::Moved()
{
    if (form_.isVisible())
        Perform(WM_WINDOWPOSCHANGING, 0, 0);
}

void FramedFormPrivate::Shown()
{
    RebuildSurface();
    Perform(WM_WINDOWPOSCHANGING, 0, 0);
    Perform(WM_NCPAINT, 1, 0);
    InvalidateRect(TRect::FromQRect(ClientRect()), true);
}

} // namespace quillby
