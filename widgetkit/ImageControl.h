#pragma once

#include <QImage>
#include <QWidget>

#include <functional>
#include <string>

// A picture control: shows its picture at natural size (top-left, or centred when Center is
// set); with AutoSize it takes the picture's size. A click is a press and a release of the
// left button inside the control.
class TImage : public QWidget {
public:
    explicit TImage(QWidget* parent = nullptr);

    const QImage& Picture() const { return m_picture; }
    void SetPicture(const QImage& picture);

    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool autoSize);
    bool Center() const { return m_center; }
    void SetCenter(bool center);

    int Tag() const { return m_tag; }
    void SetTag(int tag) { m_tag = tag; }

    // The hint shown for the control; \r starts a new line.
    void SetHint(const std::string& hint);
    std::string Hint() const { return m_hint; }

    std::function<void(TImage*)> OnClick;
    std::function<void(TImage*)> OnMouseDown;
    std::function<void(TImage*)> OnMouseUp;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage m_picture;
    std::string m_hint;
    int m_tag { 0 };
    bool m_autoSize { false };
    bool m_center { false };
    bool m_pressed { false };
};
