#pragma once

#include <QObject>
#include <QRect>
#include <QString>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <vector>

class QWidget;
class TFrmCover;
class TKDPaintBox;

// One monitor: its name and its area in screen coordinates.
struct TMonitor {
    QString Name;
    QRect Area;
};

// Keeps a cover window on every monitor that the main window does not cover, following
// monitors that come, go or change size (as the screens report them), the main window moving
// or changing size, and covers that something else moved; draws every key press of the main
// surface on each cover's surface too. Nothing is looked at on a timer.
class TMonitorCovers : public QObject {
public:
    TMonitorCovers(QWidget* mainWindow, TKDPaintBox* mainSurface);
    ~TMonitorCovers() override;

    // Covers the monitors now and follows their changes from now on.
    void Follow();
    // One cover per monitor: a cover of a monitor no longer listed closes, a new monitor gets
    // a new one, a monitor whose area changed has its cover moved and sized.
    void Cover(const std::vector<TMonitor>& monitors);
    // The screens outside `mainArea` (one entry per area; a mirror of another gives none).
    static std::vector<TMonitor> OtherMonitors(const QRect& mainArea);

    // Draws the key on every cover in the play mode all surfaces share, erasing first when
    // `erase` (the press was counted once, for all). A failure on one cover does not keep the
    // others from drawing; the first one passes on.
    void DrawKey(std::uint16_t key, bool erase);

    // Closes every cover for good.
    void CloseAll();

    std::vector<TFrmCover*> Covers() const;

    // Told of the play surface of every cover made from now on (mouse play watches them).
    std::function<void(TKDPaintBox* surface)> OnNewSurface;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Update();

    struct TEntry {
        QString Name;
        TFrmCover* Cover;
    };
    QWidget* m_mainWindow;
    TKDPaintBox* m_mainSurface;
    std::vector<TEntry> m_covers;
    QTimer m_soon;
    QTimer m_recover; // a cover moved by something else goes back after a moment

    bool m_closed { false };
};
