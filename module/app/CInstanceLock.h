#pragma once
// Makes sure only one window manages a device: the lock is a local server named after the
// window title (device name, ":", agent address). A second start for the same title asks the
// first to come to the front instead of opening a window. The server's socket file of an
// instance that crashed answers nobody, so it is taken over rather than blocking a new start.

#include <QLocalServer>
#include <functional>
#include <string>

class CInstanceLock {
public:
    CInstanceLock() = default;
    ~CInstanceLock();
    CInstanceLock(const CInstanceLock&) = delete;
    CInstanceLock& operator=(const CInstanceLock&) = delete;

    // True when this process now holds the lock for `title`; `onRaise` then runs each time a
    // later start asks for the window. False when another instance holds it and was asked to
    // raise its window.
    bool Acquire(const std::string& title, std::function<void()> onRaise);
    // Whether another running instance holds the lock for `title`; if so it is asked to raise.
    static bool RaiseRunning(const std::string& title);

    // The local server name of a title (titles may hold characters file names cannot).
    static QString ServerName(const std::string& title);

private:
    void OnConnection();

    QLocalServer m_server;
    std::function<void()> m_onRaise;
};
