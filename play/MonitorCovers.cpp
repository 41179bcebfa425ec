#include "play/MonitorCovers.h"

#include "play/CoverForm.h"
#include "play/KDPaintBox.h"
#include "widgetkit/KDCtrls.h"

#include <QGuiApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <exception>

namespace {

// A cover that something else moves is put back after this long, so a window manager that
// insists on its own place is not fought at full speed.
constexpr int RecoverDelayMs = 200;

} // namespace

TMonitorCovers::TMonitorCovers(QWidget* mainWindow, TKDPaintBox* mainSurface)
    : m_mainWindow(mainWindow)
    , m_mainSurface(mainSurface)
{
    m_soon.setSingleShot(true);
    m_soon.setInterval(0);
    connect(&m_soon, &QTimer::timeout, this, [this] { Update(); });
    m_recover.setSingleShot(true);
    m_recover.setInterval(RecoverDelayMs);
    connect(&m_recover, &QTimer::timeout, this, [this] { Update(); });
}

TMonitorCovers::~TMonitorCovers() { CloseAll(); }

void TMonitorCovers::Follow()
{
    const auto watch = [this](QScreen* screen) {
        connect(screen, &QScreen::geometryChanged, &m_soon, qOverload<>(&QTimer::start));
    };
    for (QScreen* screen : QGuiApplication::screens())
        watch(screen);
    connect(qGuiApp, &QGuiApplication::screenAdded, this, [this, watch](QScreen* screen) {
        watch(screen);
        m_soon.start();
    });
    connect(qGuiApp, &QGuiApplication::screenRemoved, &m_soon, qOverload<>(&QTimer::start));
    connect(qGuiApp, &QGuiApplication::primaryScreenChanged, &m_soon, qOverload<>(&QTimer::start));
    // The monitors the main window leaves uncovered change with its area.
    if (m_mainWindow)
        m_mainWindow->installEventFilter(this);
    Update();
}

bool TMonitorCovers::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Move || event->type() == QEvent::Resize) {
        if (watched == m_mainWindow)
            m_soon.start();
        else if (!m_soon.isActive() && !m_recover.isActive())
            m_recover.start();
    }
    return QObject::eventFilter(watched, event);
}

void TMonitorCovers::Update()
{
    if (m_closed || !m_mainWindow)
        return;
    Cover(OtherMonitors(m_mainWindow->geometry()));
}

std::vector<TMonitor> TMonitorCovers::OtherMonitors(const QRect& mainArea)
{
    std::vector<TMonitor> monitors;
    for (QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->geometry();
        if (area.isEmpty() || mainArea.contains(area))
            continue;
        const bool mirror = std::any_of(monitors.begin(), monitors.end(),
                                        [&area](const TMonitor& other) { return other.Area.contains(area); });
        if (!mirror)
            monitors.push_back({ screen->name(), area });
    }
    return monitors;
}

void TMonitorCovers::Cover(const std::vector<TMonitor>& monitors)
{
    if (m_closed)
        return;
    for (auto it = m_covers.begin(); it != m_covers.end();) {
        const bool listed = std::any_of(monitors.begin(), monitors.end(),
                                        [it](const TMonitor& monitor) { return monitor.Name == it->Name; });
        if (listed) {
            ++it;
            continue;
        }
        it->Cover->AllowClose();
        delete it->Cover;
        it = m_covers.erase(it);
    }
    for (const TMonitor& monitor : monitors) {
        auto it = std::find_if(m_covers.begin(), m_covers.end(),
                               [&monitor](const TEntry& entry) { return entry.Name == monitor.Name; });
        if (it == m_covers.end()) {
            m_covers.push_back({ monitor.Name, new TFrmCover(m_mainWindow, m_mainSurface ? m_mainSurface->SharedState() : nullptr) });
            it = std::prev(m_covers.end());
            it->Cover->installEventFilter(this);
            if (OnNewSurface)
                OnNewSurface(it->Cover->PbxDisplay());
        }
        it->Cover->Cover(monitor.Area);
    }
}

void TMonitorCovers::DrawKey(std::uint16_t key, bool erase)
{
    std::exception_ptr failure;
    for (const TEntry& entry : m_covers) {
        try {
            entry.Cover->PbxDisplay()->DrawKey(key, erase);
        } catch (...) {
            if (!failure)
                failure = std::current_exception();
        }
    }
    if (failure)
        std::rethrow_exception(failure);
}

void TMonitorCovers::CloseAll()
{
    m_closed = true;
    m_soon.stop();
    m_recover.stop();
    if (m_mainWindow)
        m_mainWindow->removeEventFilter(this);
    for (const TEntry& entry : m_covers) {
        entry.Cover->AllowClose();
        delete entry.Cover;
    }
    m_covers.clear();
}

std::vector<TFrmCover*> TMonitorCovers::Covers() const
{
    std::vector<TFrmCover*> covers;
    for (const TEntry& entry : m_covers)
        covers.push_back(entry.Cover);
    return covers;
}
