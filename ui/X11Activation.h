#pragma once

// Bringing a window to the front on X11 for a launch the desktop announced with a startup
// identifier (DESKTOP_STARTUP_ID), as the startup-notification and window-manager conventions of
// freedesktop.org describe it. Qt itself uses the identifier only for the first window it shows.

#include <cstdint>
#include <optional>

#include <QByteArray>

class QWidget;

// The X server time at which the launch began: the number after the "_TIME" that ends a startup
// identifier. Nothing when the identifier carries none.
[[nodiscard]] std::optional<std::uint32_t> StartupIdTime(const QByteArray& startupId);

// Tells the window manager that `window` is what the launch `startupId` opened (_NET_STARTUP_ID)
// and asks it to activate the window with the launch's time (_NET_ACTIVE_WINDOW), which is what
// a window manager that prevents focus stealing compares with the player's last action. Does
// nothing off X11 or when the program was built without the X11 client library.
void ActivateForLaunch(QWidget* window, const QByteArray& startupId);
