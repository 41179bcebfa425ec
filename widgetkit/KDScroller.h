#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

// The pair of small arrow buttons that scrolls a tab row: each click moves Position by Change
// within Min .. Max. An arrow that cannot scroll further shows greyed. Always 23 x 13 pixels.
class TKDScroller : public QWidget {
public:
    static constexpr int ButtonPairWidth = 24;
    static constexpr int ButtonHeight = 13;

    explicit TKDScroller(QWidget* parent = nullptr);

    int Min() const { return m_min; }
    // Only values below Max are taken.
    void SetMin(int value);
    int Max() const { return m_max; }
    // Only values above Min are taken.
    void SetMax(int value);
    int Position() const { return m_position; }
    // Limited to Min .. Max; a new position repaints and raises OnClick.
    void SetPosition(int value);
    int Change() const { return m_change; }
    void SetChange(int change) { m_change = change; }

    std::function<void(TKDScroller* sender)> OnClick;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool CanScroll(int button) const;
    bool InsideButton(int button, QPoint pos) const;
    void Press(QPoint pos);

    int m_min { 0 };
    int m_max { 0 };
    int m_position { 0 };
    int m_change { 1 };
    bool m_tracking { false };
    bool m_pressedInside { false };
    int m_pressedButton { 0 };
    QImage m_pictures[6];
};
