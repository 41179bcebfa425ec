#pragma once

#include "widgetkit/HintWindow.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>

// The kind of window the application shows its hints in: a maker of hint windows.
using THintWindowClass = std::function<std::unique_ptr<THintWindow>()>;

// The application's hint machinery. A control's hint is its tool-tip text (the part before
// any '|'; \r starts a new line). When the pointer rests on a hinted control for HintPause
// milliseconds, the hint window shows the hint; moving on to the next hinted control while a
// hint is up shows that one after HintShortPause. Keys, clicks, the wheel and a change of
// the application's activation hide the hint; HintHidePause after showing it goes by itself.
// The toolkit's own tool tips never show.
class TAppHints : public QObject {
public:
    // The one instance, made with the application object on first use.
    static TAppHints& Instance();

    int HintPause() const { return m_hintPause; }
    void SetHintPause(int ms) { m_hintPause = ms; }
    int HintShortPause() const { return m_hintShortPause; }
    void SetHintShortPause(int ms) { m_hintShortPause = ms; }
    int HintHidePause() const { return m_hintHidePause; }
    void SetHintHidePause(int ms) { m_hintHidePause = ms; }

    // Switching hints off frees the hint window; switching them on makes one of the current
    // kind.
    bool ShowHint() const { return m_showHint; }
    void SetShowHint(bool show);
    const THintWindowClass& HintWindowClass() const { return m_hintWindowClass; }
    void SetHintWindowClass(THintWindowClass windowClass) { m_hintWindowClass = std::move(windowClass); }
    THintWindow* HintWindow() const { return m_hintWindow.get(); }

    // Called before a hint shows, with the text, whether it may show, and its information.
    using TShowHintEvent = std::function<void(std::string& hintStr, bool& canShow, THintInfo& hintInfo)>;
    TShowHintEvent OnShowHint;

    // The control whose hint is due or showing, and whether a hint has been shown for it.
    QWidget* HintControl() const { return m_hintControl; }
    bool HintActive() const { return m_hintActive; }
    // Whether a hint is due, and after how many milliseconds from the pointer's arrival.
    bool HintPending() const { return m_showTimer.isActive(); }
    int PendingPause() const { return m_showTimer.interval(); }

    // Hides the hint and forgets its control.
    void CancelHint();
    // The pointer is at `globalPos` over `widget` (or over no widget of ours): starts, moves
    // on or cancels the hint as the pointer asks.
    void HintMouseMessage(QWidget* widget, QPoint globalPos);
    // Shows the hint of the current control now (what the hint timer does).
    void ActivateHint(QPoint globalPos);

    // The hint text of `control`: its tool tip up to the first '|'.
    static std::string ShortHint(const QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

public:
    ~TAppHints() override;

private:
    TAppHints();
    void CreateHintWindow();
    void HideHint();
    void StartHintTimer(int ms);

    int m_hintPause { 500 };
    int m_hintShortPause { 50 };
    int m_hintHidePause { 2500 };
    bool m_showHint { true };
    bool m_hintActive { false };
    bool m_quitting { false };
    THintWindowClass m_hintWindowClass;
    std::unique_ptr<THintWindow> m_hintWindow;
    QPointer<QWidget> m_hintControl;
    QPoint m_cursorPos;
    QTimer m_showTimer;
    QTimer m_hideTimer;
};
