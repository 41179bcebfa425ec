#pragma once

#include <QObject>

#include <functional>
#include <string>

class QLocalServer;

// One running program per user and display. The first start holds a lock file in the user's
// runtime folder (the lock goes with the process, however it ends) and listens beside it; a
// later start finds the lock taken and asks the running program to come to the front.
class TSingleInstance : public QObject {
public:
    // `displayKey` names the display; empty: the display the toolkit is connected to.
    explicit TSingleInstance(std::string displayKey = {});
    ~TSingleInstance() override;

    // Whether this process is the one to run. True also when no lock can be made at all (no
    // usable runtime folder): a start is never refused for that.
    bool Acquire();
    // For a start that did not acquire: asks the running program to come to the front and
    // waits up to `timeoutMs` for its answer; whether it answered.
    bool ActivateRunning(int timeoutMs = 800);

    // Runs in the program that holds the lock when a later start asks for it.
    std::function<void()> OnActivate;

    // The display the toolkit uses, as a file-name-safe key ("x11-:0", "wayland-wayland-0").
    static std::string CurrentDisplayKey();
    const std::string& LockFileName() const { return m_lockFileName; }

private:
    std::string m_lockFileName;
    std::string m_socketName;
    int m_lockFd { -1 };
    QLocalServer* m_server { nullptr };
};
