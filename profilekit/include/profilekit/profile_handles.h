// ProfileHandles: the handles a plug-in object keeps of its last request (a service
// handle pair, the device, the shortcut, the connection and the server). Every setter
// zeroes all of them first, so a request never sees a handle left from another one. A
// plug-in object holds one (or derives from it) and calls the setter of each request's
// handle; the server actions of the object-push and network plug-ins use the second value
// of the service pair.
//
// A plug-in that keeps objects made for the last request's handles (the serial-port
// plug-in's per-entry dispatchers) overrides handlesReset(), which every reset calls
// after zeroing the handles.
#pragma once

struct ProfileHandles {
    unsigned int m_hService[2] = {0, 0};
    unsigned int m_hDevice = 0;
    unsigned int m_hShortcut = 0;
    unsigned int m_hConnection = 0;
    unsigned int m_hServer = 0;

    ProfileHandles() = default;
    ProfileHandles(const ProfileHandles&) = delete;
    ProfileHandles& operator=(const ProfileHandles&) = delete;
    virtual ~ProfileHandles() = default;

    void resetHandles() {
        m_hService[0] = m_hService[1] = 0;
        m_hDevice = m_hShortcut = m_hConnection = m_hServer = 0;
        handlesReset();
    }
    void SetSeviceHandle(unsigned int first, unsigned int second) {
        resetHandles();
        m_hService[0] = first;
        m_hService[1] = second;
    }
    void SetShortcutHanlde(unsigned int handle) {
        resetHandles();
        m_hShortcut = handle;
    }
    void SetConnectionHandle(unsigned int handle) {
        resetHandles();
        m_hConnection = handle;
    }
    void SetSvrHandle(unsigned int handle) {
        resetHandles();
        m_hServer = handle;
    }

protected:
    virtual void handlesReset() {}
};
