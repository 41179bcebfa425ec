#pragma once

#include <QImage>

namespace resgen {

// The 400x400 title picture of the splash window.
QImage SplashPicture();
// The About window's two pictures: a 200x200 title picture and a 123x38 name banner.
QImage AboutPicture();
QImage AboutBanner();

} // namespace resgen
