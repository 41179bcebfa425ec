#include "widgetkit/Application.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMessageBox>

#include <exception>

namespace {

TExceptionHandler& Handler()
{
    static TExceptionHandler handler;
    return handler;
}

std::string AppTitle()
{
    if (auto* app = dynamic_cast<TApplication*>(QCoreApplication::instance()))
        return app->Title();
    return "Kedoozle";
}

} // namespace

TApplication::TApplication(int& argc, char** argv)
    : QApplication(argc, argv)
    , m_title("Kedoozle")
{
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    bool result = false;
    HandleExceptions([&] { result = QApplication::notify(receiver, event); });
    return result;
}

void SetExceptionHandler(TExceptionHandler handler) { Handler() = std::move(handler); }

void ShowException(const std::string& message)
{
    if (Handler()) {
        Handler()(message);
        return;
    }
    QString text = QString::fromStdString(message);
    text.replace(QChar('\r'), QChar('\n'));
    QMessageBox box(QMessageBox::Critical, QString::fromStdString(AppTitle()), text, QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText(QCoreApplication::translate("TApplication", "OK"));
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
}

bool HandleExceptions(const std::function<void()>& step)
{
    try {
        step();
        return true;
    } catch (const std::exception& error) {
        ShowException(error.what());
    } catch (...) {
        ShowException(QCoreApplication::translate("TApplication", "Unknown error").toStdString());
    }
    return false;
}
