#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The exit confirmation: "Do you wish to Exit Kedoozle?" with Yes and No. The answer is the
// modal result: 6 for Yes, 7 for No, 2 when closed by the close box.
class TFrmExit : public QDialog {
public:
    static constexpr int OuterWidth = 256;
    static constexpr int OuterHeight = 128;
    static constexpr int mrYes = 6;
    static constexpr int mrNo = 7;
    static constexpr int mrCancel = 2;

    explicit TFrmExit(QWidget* owner);

    // Creates the window with its outer top-left corner at `topLeft` (screen coordinates),
    // shows it modally and returns its modal result.
    static int Execute(QWidget* owner, QPoint topLeft);

    QPushButton* BtnYes() const { return m_btnYes; }
    QPushButton* BtnNo() const { return m_btnNo; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Sizes the window so that its outer size, frame included, is 256 x 128 at its place.
    void FitToOuterSize();

    QLabel* m_lblMessage { nullptr };
    QPushButton* m_btnYes { nullptr };
    QPushButton* m_btnNo { nullptr };
    QPoint m_outerTopLeft;
};
