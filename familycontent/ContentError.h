#pragma once

#include <QCoreApplication>
#include <QString>

#include <stdexcept>
#include <string>

// A content file or settings file that cannot be read, used or written; the text names the
// file and the reason, ready to show to a parent.
class TContentError : public std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The family content's messages, in the language the program or the tool chose: built with
// TContentText::tr("cannot read %1: %2") and filled in with FillText.
class TContentText {
    Q_DECLARE_TR_FUNCTIONS(TContentText)
};

// `text` with %1, %2, ... replaced by `args` in one pass (a file name holding "%2" stays as
// it is), as UTF-8.
template <typename... TArgs>
std::string FillText(const QString& text, const TArgs&... args)
{
    if constexpr (sizeof...(TArgs) == 0)
        return text.toStdString();
    else
        return text.arg(QString::fromStdString(std::string(args))...).toStdString();
}
