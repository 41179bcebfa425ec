#pragma once

#include <QObject>
#include <QPointer>

class QDialog;
class QWidget;

// Keeps play going while a dialog stands over it. While it lives:
// - every key meant for the dialog goes on to `play` (the window behind) instead, so keys
//   draw and sound as ever and never answer the dialog;
// - a mouse press on any other window of the program (the play surface, the control panel,
//   the covers of other monitors) ends the dialog with `outsideResult`, and goes no further.
// A modal window over both (an error box) is left to itself.
class TDialogGuard : public QObject {
public:
    TDialogGuard(QDialog& dialog, QWidget* play, int outsideResult);
    ~TDialogGuard() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Whether `object` is the dialog, its window or one of its controls.
    bool InDialog(const QObject* object) const;
    static bool IsWindowOrControl(const QObject* object);

    QDialog& m_dialog;
    QPointer<QWidget> m_play;
    int m_outsideResult;
};

// Shows `dialog` without blocking the program's other windows, guarded as above, and waits
// until it is answered; returns its result (QDialog::Rejected when closed by its close box).
int ExecBesidePlay(QDialog& dialog, QWidget* play, int outsideResult);
