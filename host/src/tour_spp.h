// The serial-port plug-in's part of the tour: a shortcut to the phone's serial port and its
// menu; the shortcut connected and its menu naming the device to open; a line typed into
// that device as a terminal program does, echoed by the phone, and the connection's status
// window counting the bytes; the local serial server's properties.
#pragma once

#include <QList>

#include "tour_step.h"

class MainWindow;

QList<TourStep> sppTourSteps(MainWindow* window);
