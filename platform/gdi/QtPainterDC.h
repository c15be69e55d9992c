#pragma once
// Private to the platform layer (window and print code): a TDC over a
// QPainter that is already active, e.g. in a widget's paint event:
//
//     QPainter painter(this);
//     auto dc = MakePainterDC(painter);
//     window->Paint(*dc, ...);
//
// Only QPainter is named, forward-declared. The DC does not own the painter;
// it must not outlive it. It leaves the painter's state as it found it.
#include "platform/gdi/DC.h"

#include <memory>

class QPainter;

// Device size and resolution come from the painter's device unless given.
std::unique_ptr<TDC> MakePainterDC(QPainter& painter);
std::unique_ptr<TDC> MakePainterDC(QPainter& painter, const TDeviceCaps& caps);
