// The object-push plug-in's part of the tour: a file sent to the phone through an
// object-push shortcut, its progress window part of the way; the laptop, which is not
// trusted, asking to push a file and the manager's prompt for it; the file received and
// the list of received files; the local object-push server's properties, both pages.
// The devices' pushes are the stand-in service's world events (its control interface),
// which the tour calls as the demonstration's remote devices.
#pragma once

#include <QList>

#include "tour_step.h"

class MainWindow;

QList<TourStep> oppTourSteps(MainWindow* window);
