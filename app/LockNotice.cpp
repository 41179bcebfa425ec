#include "app/LockNotice.h"

#include "base/StringTable.h"
#include "platform/keylock/KeyLock.h"

#include <QDateTime>
#include <QTimer>

#include <cstdio>

TLockNotice::TLockNotice(QObject* parent)
    : QObject(parent)
    , m_keysLocked(WindowKeysLocked)
{
    SetWindowKeysReport([this](TWindowKeysState state) { WindowKeysReport(state); });
}

TLockNotice::~TLockNotice()
{
    SetWindowKeysReport({});
    if (m_timer)
        WatchWindowKeysLocked({});
}

void TLockNotice::SetKeyLockCheck(std::function<bool()> locked, int graceMs)
{
    m_keysLocked = std::move(locked);
    m_graceMs = graceMs;
    m_unlockedSince = -1;
}

void TLockNotice::Watch()
{
    // The lock tells when it changes; the timer only waits out the grace.
    m_timer = new QTimer(this);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, [this] { CheckKeyLock(); });
    WatchWindowKeysLocked([this] { CheckKeyLock(); });
    CheckKeyLock();
}

void TLockNotice::StopWatching()
{
    WatchWindowKeysLocked({});
    if (m_timer)
        m_timer->stop();
}

void TLockNotice::CheckKeyLock()
{
    if (m_keysLocked && m_keysLocked()) {
        m_unlockedSince = -1;
        if (m_timer)
            m_timer->stop();
        if (m_keysNotLockedShown)
            ShowKeysNotLocked(false);
        return;
    }
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (m_unlockedSince < 0)
        m_unlockedSince = now;
    const qint64 unlockedMs = now - m_unlockedSince;
    if (unlockedMs < m_graceMs) {
        // Looked at again when the grace is over, unless the lock tells of a change first.
        if (m_timer)
            m_timer->start(int(m_graceMs - unlockedMs));
        return;
    }
    if (m_timer)
        m_timer->stop();
    if (!m_keysNotLockedShown)
        ShowKeysNotLocked(true);
}

void TLockNotice::ShowKeysNotLocked(bool show)
{
    m_keysNotLockedShown = show;
    Changed();
}

void TLockNotice::Changed()
{
    if (OnChange)
        OnChange();
}

std::string TLockNotice::Text() const
{
    if (!m_reported.empty())
        return m_reported;
    return m_keysNotLockedShown ? LoadStr(Str::KeysNotLocked) : std::string();
}

void TLockNotice::WindowKeysReport(TWindowKeysState state)
{
    int text = 0;
    switch (state) {
    case TWindowKeysState::DesktopKeysOpen:
        text = Str::KeysOpenOnDesktop;
        break;
    case TWindowKeysState::Refused:
        text = Str::KeysRefusedByDesktop;
        break;
    case TWindowKeysState::Lost:
        text = Str::KeysLostToDesktop;
        break;
    case TWindowKeysState::DesktopKeysUnknown:
        text = Str::KeysUnknownOnXWayland;
        break;
    case TWindowKeysState::KeyboardElsewhere:
        text = Str::KeysWithOtherWindow;
        break;
    case TWindowKeysState::Locked:
        break;
    }
    if (text == 0) {
        if (!m_reported.empty())
            std::fprintf(stderr, "Kedoozle: %s\n", LoadStr(Str::KeysLockedAgain).c_str());
        m_reported.clear();
        Changed();
        return;
    }
    if (m_reported == LoadStr(text))
        return; // told already
    m_reported = LoadStr(text);
    std::fprintf(stderr, "Kedoozle: %s\n", m_reported.c_str());
    std::fflush(stderr);
    Changed();
}
