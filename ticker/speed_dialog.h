#pragma once
// The small speed dialog under the ticker: a slider from slow to fast that
// sets the ticker's delay when it is let go, and closes as soon as the user
// clicks elsewhere.

class TickerWindow;

// Modal, owned by the ticker window; returns when the dialog is closed.
void RunSpeedDialog(TickerWindow& ticker);
