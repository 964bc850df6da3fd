// Reads the window dumps that xwd writes, so that the tests can look at real screen pixels.
#pragma once

#include <QImage>
#include <QString>

namespace kestalon::e2e {

// The dump as an RGB32 image, or a null image with the reason in error.
// Only true-colour dumps (what Xvfb gives at depth 16, 24 or 32) are accepted.
QImage ReadXwd(const QString& path, QString* error);

}  // namespace kestalon::e2e
