#pragma once

#include <QObject>

#include <functional>
#include <string>

class QTimer;
enum class TWindowKeysState;

// Whether the key lock holds, as the parent should be told. The lock reports what is not
// locked; that report is written to the error output and stands until
// the lock holds again. Besides, the lock is watched while the program plays: when it does
// not hold for a grace time, a general warning stands until it holds again. CheckKeyLock runs
// whenever the lock may have changed; a timer runs only through the grace.
class TLockNotice : public QObject {
public:
    explicit TLockNotice(QObject* parent = nullptr);
    ~TLockNotice() override;

    // Told whenever Text() may have changed.
    std::function<void()> OnChange;

    // The query is replaceable, so tests can stand in for the lock.
    void SetKeyLockCheck(std::function<bool()> locked, int graceMs);
    // Starts and ends watching the lock.
    void Watch();
    void StopWatching();
    void CheckKeyLock();
    // The lock's report.
    void WindowKeysReport(TWindowKeysState state);

    // What the lock reported as not locked; empty while it holds.
    const std::string& Reported() const { return m_reported; }
    bool KeysNotLockedShown() const { return m_keysNotLockedShown; }
    // What to show: the lock's own report is more precise than the general warning and goes
    // first; empty when there is nothing to say.
    std::string Text() const;

private:
    void ShowKeysNotLocked(bool show);
    void Changed();

    std::function<bool()> m_keysLocked;
    int m_graceMs { 3000 };
    QTimer* m_timer { nullptr };
    qint64 m_unlockedSince { -1 };
    bool m_keysNotLockedShown { false };
    std::string m_reported;
};
