#pragma once

// The window's side of the single running copy (support/ZnSingleInstance.h): raising the window
// for a hand-over, delivering handed-over files, and the second copy's end of the launch.

class QWidget;
class TFormMain;
class TZnSingleInstance;
struct TZnLaunchTokens;

// Connects the first copy's hand-overs to its window: a request to come to the front raises the
// window, and a copy-data message reaches the window's event() exactly as the window's own
// command-line file does. The second copy is answered once the window has opened the file,
// which waits for a running command and its boxes. A copy that runs without the single-copy
// guard (Unavailable) says so in the window's status bar, the reason in its tool tip.
void ConnectHandOvers(TZnSingleInstance& instance, TFormMain& window);

// Brings `window` to the front: out of the minimised state, raised and activated, but never
// above a box of its own that is open: the box is raised and activated last. The launch tokens
// let a desktop that prevents focus stealing give the focus to the window.
void RaiseWindow(QWidget* window, const TZnLaunchTokens& launch);

// The second copy shows no window, so the desktop would show its launch feedback (the busy
// pointer) until it gives up waiting. On X11 this ends it at once.
void EndLaunchFeedback(const TZnLaunchTokens& launch);
