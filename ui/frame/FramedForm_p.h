// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include "ui/frame/BorderStyle.h"
#include "ui/frame/FrameControls_p.h"
#include "ui/frame/Rect_p.h"
#include "ui/frame/SystemMetrics_p.h"
#include "ui/frame/WindowMessages_p.h"
#include "ui/frame/WindowStyles_p.h"

#include <QEvent>
#include <QImage>
#include <QObject>
#include <QPainter>
#include <QPointer>
#include <QRegion>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

class QMouseEvent;
class QPaintEvent;

namespace quillby {

class FramedForm;
class FramedFormPrivate;

// A canvas on the whole window, caption and frame included. What is drawn on it shows on the
// window at once; releasing the canvas (its destruction) ends the drawing.
class WindowCanvas {
public:
    explicit WindowCanvas(FramedFormPrivate &frame);
    ~WindowCanvas();
    WindowCanvas(const WindowCanvas &) = delete;
    WindowCanvas &operator=(const WindowCanvas &) = delete;

    QPainter &Painter() { return painter_; }

private:
    FramedFormPrivate &frame_;
    QPainter painter_;
};

// What the tests read of a frame beyond what the room uses.
struct FrameInspection {
    // The window's frame and caption, and what was drawn over them, as drawn last.
    const QImage &surface;
    // Whether the caption is drawn in the active colours.
    bool captionActive;
    // Whether the window holds the mouse (SetCapture without ReleaseCapture).
    bool captured;
};

// The window-system side of a framed form: a borderless top-level window that paints the dialog
// or sizing frame, the caption bar with its title (active and inactive colours) and the caption
// boxes around a client area, which holds the form's controls.
//
// All that happens to the window travels as window messages through its window procedure,
// which can be replaced and called: mouse events over the frame become non-client mouse
// messages after a hit test (screen coordinates), mouse events while the mouse is captured become
// client mouse messages (client coordinates), painting, activation, moves, title changes and
// settings changes become their messages. The default procedure does what the window system does:
// hit testing, dragging the window by its caption, the caption boxes, painting the frame.
//
// It watches the form's own events (an event filter), so the form needs no handlers of its own.
class FramedFormPrivate : public QObject {
    Q_OBJECT

public:
    explicit FramedFormPrivate(QWidget &form);
    ~FramedFormPrivate() override;

    // The frame of a framed form (defined with the form).
    static FramedFormPrivate &Get(FramedForm &form);
    static const FramedFormPrivate &Get(const FramedForm &form);

    // The window itself.
    QWidget &Form() const { return form_; }
    // The controls' parent, placed inside the frame.
    QWidget *ClientArea() const { return clientArea_; }
    QSize ClientSize() const { return ClientRect().size(); }
    // Sizes the window so that its client area has this size.
    void SetClientSize(QSize size);
    // Where the client area's top-left corner lies in window coordinates.
    QPoint ClientOrigin() const;

    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle style);
    TBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TBorderIcons icons);
    TFormStyle FormStyle() const { return formStyle_; }
    // fsStayOnTop keeps the window above others; the window stays shown across the change.
    void SetFormStyle(TFormStyle style);
    std::uint32_t GetWindowLong(int index) const;

    int GetSystemMetrics(SystemMetric metric) const { return metrics_.Get(metric); }
    // New metrics: the frame is laid out again around the same client size, then the window is
    // sent WM_SETTINGCHANGE.
    void SetMetrics(const SystemMetrics &metrics);

    // Whether frames and buttons are drawn by the style (visual styles) or in the classic look.
    bool VisualStyles() const { return visualStyles_; }
    void SetVisualStyles(bool on);

    // The outer rectangle's top-left corner on the screen; its size is the window's.
    int Left() const;
    int Top() const;
    void SetHeight(int height);

    // The window procedure: every message of the window passes through it.
    TWndMethod WindowProc() const { return windowProc_; }
    void SetWindowProc(TWndMethod proc);
    // Sends a message through the window procedure at once and gives its result.
    std::intptr_t Perform(std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam);

    // Drawing on the whole window.
    std::unique_ptr<WindowCanvas> GetWindowDC();
    // Marks a rectangle of the client area (client coordinates) for repainting: a WM_PAINT
    // follows once the event loop is idle.
    void InvalidateRect(const TRect &clientRect, bool erase);
    // Repaints at once: the client area is invalidated and WM_PAINT is sent now.
    void Repaint();
    // Paints the frame and the caption as the window shows them, limited to `clip` (window
    // coordinates): the background that caption buttons stand on.
    void PaintNonClient(QPainter &painter, const QRect &clip);

    // The mouse, captured for this window: moves and releases arrive as client messages.
    void SetCapture();
    void ReleaseCapture();
    void SetForegroundWindow();
    QPoint CursorPos() const;

    // The caption box rectangles in window coordinates (empty when the box is not there).
    QRect CloseBoxRect() const;
    QRect MaxBoxRect() const;
    QRect MinBoxRect() const;
    QRect HelpBoxRect() const;

    // What assistive tools find in the caption: `parts` lists the objects that stand for
    // buttons that `source` draws there (forgotten when `source` is destroyed), and `boxes`
    // those of the caption boxes, listed after them.
    void AddCaptionParts(QObject *source, std::function<QList<QObject *>()> parts);
    void SetCaptionBoxParts(std::function<QList<QObject *>()> boxes);
    QList<QObject *> CaptionParts() const;

    // The form is going: nothing is sent or drawn from now on.
    void FormDestroying();

    FrameInspection Inspect() const;

signals:
    // Sent first thing while the form is being destroyed: nothing may use it afterwards.
    void Destroying();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    friend class WindowCanvas;

    enum class Tracking { None, CloseBox, MaxBox, MinBox, HelpBox, Move };

    // What the window system does with a message the window leaves to it.
    void DefWindowProc(TMessage &message);

    // The form's own events.
    bool FormEvent(QEvent *event);
    void PaintEvent(QPaintEvent *event);
    void Resized();
    void Moved();
    void Shown();
    void MousePress(QMouseEvent *event);
    void MouseRelease(QMouseEvent *event);
    void MouseDoubleClick(QMouseEvent *event);
    void MouseMove(QMouseEvent *event);

    // The client area's rectangle in its own coordinates, from the window's current size.
    QRect ClientRect() const;
    QRect CaptionRect() const;
    std::intptr_t HitTest(QPoint windowPoint) const;
    static QPoint ScreenPoint(const TMessage &message);
    int PaintCaptionBoxes(QPainter &painter);
    void PaintTitle(QPainter &painter, const QRect &textRect);
    void NonClientPress(const TMessage &message);
    void StartSystemResize(std::intptr_t hit);
    void SystemCommand(const TMessage &message);

    int FrameWidth() const;
    int FrameHeight() const;
    int CaptionHeight() const;
    QSize NonClientSize() const;
    QSize CaptionBoxSize() const;
    void ApplyFrame(QSize clientSize);
    void RebuildSurface();
    void PaintFrame();
    void FlushSurface();
    void DispatchPaint();
    void PostPaint();
    static bool PlatformGrabsMouse();
    void GrabMouse();

    QPoint ToClient(QPoint windowPoint) const { return windowPoint - ClientOrigin(); }
    std::intptr_t ScreenLParam(const QPointF &windowPoint) const;
    void SendMouse(std::uint32_t clientMsg, std::uint32_t nonClientMsg, const QMouseEvent *event);
    void StartTracking(Tracking tracking, QPoint windowPoint);
    bool Track(QEvent::Type type, const QMouseEvent *event);
    QRect TrackedBoxRect() const;
    ButtonLook BoxLook(Tracking box) const;
    void SysCommand(std::uintptr_t command);

    QWidget &form_;
    QWidget *clientArea_ = nullptr;
    TWndMethod windowProc_;
    SystemMetrics metrics_;
    TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
    TBorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize;
    TFormStyle formStyle_ = TFormStyle::fsNormal;
    bool visualStyles_ = true;
    bool captionActive_ = false;
    bool captured_ = false;
    bool destroying_ = false;
    bool paintPosted_ = false;
    // The frame was drawn anew and its WM_PAINT has not run yet.
    bool framePainted_ = false;
    // Inside the form's paint event: the surface is being shown, nothing to schedule.
    bool painting_ = false;
    QRegion invalid_;
    QImage surface_;
    Tracking tracking_ = Tracking::None;
    bool trackingInside_ = false;
    QPoint dragOffset_;
    std::vector<std::pair<QPointer<QObject>, std::function<QList<QObject *>()>>> captionParts_;
    std::function<QList<QObject *>()> boxParts_;
};

} // namespace quillby
