#pragma once

#include <QApplication>

#include <functional>
#include <string>

// The application object. An exception that escapes an event handler is caught here, at one
// place, and shown in the error box; the program goes on.
class TApplication : public QApplication {
public:
    TApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    std::string Title() const { return m_title; }
    void SetTitle(const std::string& title) { m_title = title; }

private:
    std::string m_title;
};

// Shows `message` in the application's error box (a message box titled with the application
// title). Tests replace the box with their own handler.
void ShowException(const std::string& message);
using TExceptionHandler = std::function<void(const std::string&)>;
void SetExceptionHandler(TExceptionHandler handler);

// Runs `step`, reporting an escaping exception in the error box; returns whether it ran
// through.
bool HandleExceptions(const std::function<void()>& step);
