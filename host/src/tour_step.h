// One step of the scripted tour: what it does, when it is done and the picture taken then.
#pragma once

#include <QString>

#include <functional>

// How often the tour checks whether a step is done and, as it ends, its open windows.
constexpr int kTourPollMs = 100;

struct TourStep {
    QString picture;               // file name of the picture taken when the step is done
    std::function<void()> action;  // what the step does
    std::function<bool()> done;    // polled until true or the step's time is up
    int timeoutMs;
};
