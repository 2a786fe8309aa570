// SPDX-License-Identifier: GPL-2.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillby developers

#pragma once

#include "ui/frame/FrameControls.h"
#include "ui/frame/Rect.h"
#include "ui/frame/SystemMetrics.h"
#include "ui/frame/WindowMessages.h"
#include "ui/frame/WindowStyles.h"

#include <QEvent>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace quillby {

class CaptionBox;
class FramedForm;
struct FrameInspection;

// A canvas on the whole window, caption and frame included. What is drawn on it shows on the
// window at once; releasing the canvas (its destruction) ends the drawing.
class WindowCanvas {
public:
    explicit WindowCanvas(FramedForm &form);
    ~WindowCanvas();
    WindowCanvas(const WindowCanvas &) = delete;
    WindowCanvas &operator=(const WindowCanvas &) = delete;

    QPainter &Painter() { return painter_; }

private:
    FramedForm &form_;
    QPainter painter_;
};

// A top-level window that draws its own frame: a borderless window that paints the dialog or
// sizing frame, the caption bar with its title (active and inactive colours) and the caption
// boxes around a client area, which holds the form's controls.
//
// All that happens to the window travels as window messages through its window procedure,
// which can be replaced and called: mouse events over the frame become non-client mouse
// messages after a hit test (screen coordinates), mouse events while the mouse is captured become
// client mouse messages (client coordinates), painting, activation, moves, title changes and
// settings changes become their messages. The default procedure does what the window system does:
// hit testing, dragging the window by its caption, the caption boxes, painting the frame.
class FramedForm : public QWidget {
    Q_OBJECT

public:
    explicit FramedForm(QWidget *parent = nullptr);
    ~FramedForm() override;

    // The controls' parent, placed inside the frame.
    QWidget *ClientArea() const { return clientArea_; }
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

    // The outer rectangle on the screen.
    int Left() const { return geometry().left(); }
    int Top() const { return geometry().top(); }
    int Width() const { return width(); }
    int Height() const { return height(); }
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

    // Buttons that `source` draws in the caption, for assistive tools: `parts` lists the objects
    // that stand for them. Forgotten when `source` is destroyed.
    void AddCaptionParts(QObject *source, std::function<QList<QObject *>()> parts);
    // What assistive tools find in the caption: the parts added, then the caption boxes shown.
    QList<QObject *> CaptionParts() const;

signals:
    // Sent first thing while the form is being destroyed: nothing may use it afterwards.
    void Destroying();

protected:
    // The form's own message handling; without its own it does what the window system does.
    virtual void WndProc(TMessage &message);
    void DefWindowProc(TMessage &message);

    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    friend class WindowCanvas;
    // What the tests read beyond the public face (FramedForm_p.h).
    friend FrameInspection Inspect(const FramedForm &form);

    enum class Tracking { None, CloseBox, MaxBox, MinBox, HelpBox, Move };

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
    // Inside paintEvent: the surface is being shown, nothing to schedule.
    bool painting_ = false;
    QRegion invalid_;
    QImage surface_;
    Tracking tracking_ = Tracking::None;
    bool trackingInside_ = false;
    QPoint dragOffset_;
    std::vector<CaptionBox *> captionBoxes_;
    std::vector<std::pair<QPointer<QObject>, std::function<QList<QObject *>()>>> captionParts_;
};

} // namespace quillby
