// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include <QObject>
#include <QTimer>

namespace reelkit {

class FrameElements;

// Steps one control through its frames on its own timer. Knows nothing of
// widgets: it tells what to paint, or switches element visibility, and sets the
// timer to the delay of the frame that came up.
class FrameStepper : public QObject
{
    Q_OBJECT

public:
    explicit FrameStepper(FrameElements &elements, QObject *parent = nullptr);

    // After a successful load: frame 0 is current and the timer runs with its delay.
    void start();
    void pause() { setEnabled(false); }
    void resume() { setEnabled(true); }

    // One animation step, as a timer tick does it.
    void tick();

    void setOpaqueMode(bool opaque) { m_opaque = opaque; }
    bool opaqueMode() const { return m_opaque; }

    qint32 currentFrame() const { return m_currentFrame; }
    // The last frame index of this control's own elements.
    qint32 lastFrame() const;

    // The timer's settings; it ticks only while enabled with an interval above 0.
    qint32 interval() const { return m_interval; }
    bool isEnabled() const { return m_enabled; }
    bool isTicking() const { return m_timer.isActive(); }

signals:
    // Opaque mode: clear the surface and paint this element's picture at (0, 0).
    void paintFrame(qint32 index);
    // Transparent mode: element visibility changed.
    void elementsChanged();
    // A tick of the timer (not of a direct tick() call) is about to step.
    void timerFired();

private:
    void setEnabled(bool enabled);
    void setInterval(qint32 milliseconds);
    void applyTimer();

    FrameElements &m_elements;
    QTimer m_timer;
    qint32 m_currentFrame = 0;
    qint32 m_interval = 0;
    bool m_enabled = false;
    bool m_opaque = true;
};

} // namespace reelkit
