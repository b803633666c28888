// The window that a new notice or prompt goes above: the modal dialog that is up, else the
// active window (a file browser, a status window), else the fallback. A notice made its
// child is shown on top of it and is not blocked by its modality. Notices themselves are
// passed over (the window under them is taken), so that closing one leaves the others.
#pragma once

class QWidget;

QWidget* frontWindow(QWidget* fallback);

// Shows the window and brings it to the front.
void bringToFront(QWidget* window);
// The same for a notice or prompt, which frontWindow passes over from then on. While it is
// open it outlives the window it went above: when that window hides (closed, or on its way
// to deletion, such as a progress window at the end of its transfer), the notice moves
// above the window in front then, or home.
void showInFront(QWidget* notice, QWidget* home);
