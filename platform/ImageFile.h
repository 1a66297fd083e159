// A picture written to a file in the format its extension names (PNG, JPEG, ...), whole or not
// at all: written beside it first and renamed over it.
#pragma once

#include <QString>

class QImage;

// false, with *error set to one line, when the picture could not be written.
bool writeImageFile(const QImage &image, const QString &path, QString *error);
