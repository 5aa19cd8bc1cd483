#pragma once

class TFormMain;
class TZnSingleInstance;

// Connects the first copy's hand-overs to its window: a request to come to the front raises the
// window, and a copy-data message reaches the window's event() exactly as the window's own
// command-line file does.
void ConnectHandOvers(TZnSingleInstance& instance, TFormMain& window);
