// The one QApplication of the Qt tests, created on first use and drawing off screen.
#pragma once

class QApplication;

namespace glyphcast::test {

QApplication& testApplication();

}  // namespace glyphcast::test
