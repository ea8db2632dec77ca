// SPDX-License-Identifier: LGPL-2.1-or-later
#include "control/FrameStepper.h"

#include "dialogs/ReelkitError.h"
#include "gif/FrameElements.h"

namespace reelkit {

FrameStepper::FrameStepper(FrameElements &elements, QObject *parent) : QObject(parent), m_elements(elements)
{
    m_timer.setSingleShot(false);
    connect(&m_timer, &QTimer::timeout, this, &FrameStepper::timerFired);
}

qint32 FrameStepper::lastFrame() const
{
    return qint32(m_elements.count() - 1);
}

void FrameStepper::start()
{
    m_currentFrame = 0;
    setInterval(m_elements.delayOf(0));
    setEnabled(true);
    for (qsizetype i = 1; i < m_elements.count(); ++i)
        m_elements.at(i).Visible = false;
    emit elementsChanged();
}

void FrameStepper::tick()
{
    const qint32 last = lastFrame();
    if (m_opaque) {
        m_currentFrame = m_currentFrame < last ? m_currentFrame + 1 : 0;
        emit paintFrame(m_currentFrame);
    } else {
        if (m_currentFrame < last) {
            m_elements.at(m_currentFrame).Visible = false;
            ++m_currentFrame;
            m_elements.at(m_currentFrame).Visible = true;
        } else {
            m_currentFrame = 0;
            for (qsizetype i = 1; i < m_elements.count(); ++i)
                m_elements.at(i).Visible = false;
            m_elements.at(0).Visible = true;
        }
        emit elementsChanged();
    }
    setInterval(m_elements.delayOf(m_currentFrame));
}

void FrameStepper::setEnabled(bool enabled)
{
    if (m_enabled == enabled)
        return;
    m_enabled = enabled;
    applyTimer();
}

void FrameStepper::setInterval(qint32 milliseconds)
{
    if (milliseconds < 0)
        throw ReelkitError(tr("Invalid property value: timer interval %1").arg(milliseconds));
    m_interval = milliseconds;
    applyTimer();
}

// A QTimer with interval 0 would fire on every pass of the event loop; an
// interval of 0 means the timer does not tick.
void FrameStepper::applyTimer()
{
    if (m_enabled && m_interval > 0)
        m_timer.start(m_interval);
    else
        m_timer.stop();
}

} // namespace reelkit
