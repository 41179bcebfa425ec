#pragma once

#include <QObject>

#include <functional>
#include <string>
#include <utility>

class QSocketNotifier;

// One running program per user and display. The first start holds a lock file in the user's
// runtime folder (the lock goes with the process, however it ends) and listens beside it; a
// later start finds the lock taken and asks the running program to come to the front. A
// program that holds the lock but does not answer (stopped, or hung) is ended, and the later
// start takes its place.
class TSingleInstance : public QObject {
public:
    // `displayKey` names the display; empty: the display the toolkit is connected to.
    explicit TSingleInstance(std::string displayKey = {});
    ~TSingleInstance() override;

    // Whether this process is the one to run. True also when no lock can be made at all (no
    // usable runtime folder): a start is never refused for that.
    bool Acquire();
    // For a start that did not acquire: asks the running program to come to the front and
    // waits for its answer; whether it answered. A program that has run for a while gets a
    // few seconds, one that has just started the time a start takes; a stopped one cannot
    // answer and is not waited for.
    bool ActivateRunning();
    // For a start whose request went unanswered: ends the program that holds the lock (asked
    // to end first, so it gives the keys back and writes its settings; forced when it does not)
    // and takes the lock. Whether this process is now the one to run.
    bool TakeOver();

    // Runs in the program that holds the lock when a later start asks for it.
    std::function<void()> OnActivate;
    // What this process is, told to a later start that it brings to the front ("play" unless
    // set; the settings window is "settings").
    void SetRole(std::string role) { m_role = std::move(role); }
    // After ActivateRunning answered: what the running program said it is.
    const std::string& RunningRole() const { return m_runningRole; }
    // In OnActivate: what the program that asked is ("play", "settings"; empty when it did not say).
    const std::string& RequesterRole() const { return m_requesterRole; }

    // The display the toolkit uses, as a file-name-safe key ("x11-:0", "wayland-wayland-0").
    static std::string CurrentDisplayKey();
    const std::string& LockFileName() const { return m_lockFileName; }

private:
    // The process that holds the lock; 0 when none does or it cannot be told.
    int LockHolder() const;
    // Tries to acquire until `timeoutMs` have passed.
    bool AcquireWithin(int timeoutMs);
    // Listens on the socket beside the lock for later starts.
    void Listen();
    void AcceptCallers();

    std::string m_role { "play" };
    std::string m_runningRole;
    std::string m_requesterRole;
    std::string m_lockFileName;
    std::string m_socketName;
    int m_lockFd { -1 };
    int m_listenFd { -1 };
    QSocketNotifier* m_listener { nullptr };
};
