// MyMimeData: the payload of a drag between the browser's panes (URLs of the dragged
// items, plus "application/x-Corvane" when they come from the remote pane).
#pragma once

#include <QMimeData>

class MyMimeData : public QMimeData {
    Q_OBJECT
};
