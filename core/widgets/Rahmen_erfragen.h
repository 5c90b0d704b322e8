#pragma once

#include <QMargins>

#include <optional>

class QWindow;

// The frame the X11 window manager will put around Fenster, asked for
// before the window is mapped (_NET_REQUEST_FRAME_EXTENTS) and read from
// _NET_FRAME_EXTENTS, in the window's pixels. Empty off X11, where no window
// manager runs that supports the request, or when it did not answer in time.
std::optional<QMargins> Rahmen_erfragen(QWindow *Fenster);
