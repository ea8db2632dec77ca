// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "Reelpane.h"
#include "control/FrameStepper.h"
#include "control/PaintCache.h"
#include "gif/FrameElements.h"

#include <QImage>

// The control's state behind its public face; tests reach it through get().
class ReelpanePrivate
{
public:
    explicit ReelpanePrivate(Reelpane *control);

    static ReelpanePrivate *get(Reelpane *control) { return control->d.get(); }

    void UserControl_Initialize();
    void tmrMain_Timer();
    // The animation mode and the surface's painting follow BackStyle.
    void applyBackStyle();

    Reelpane *q;
    reelkit::FrameElements imgMain;
    reelkit::FrameStepper stepper;
    // What the last opaque step painted; the surface keeps it until the next step.
    QImage surfacePicture;
    reelkit::PaintCache paintCache;
    quint32 backColor = Reelpane::DefaultBackColor;
    Reelpane::enumBackStyle backStyle = Reelpane::Opaque;
    Reelpane::enumBorderStyle borderStyle = Reelpane::None;
    bool loading = false;
};
