// A picture written to a file in the format its extension names (PNG, JPEG, ...), whole or not
// at all: encoded in memory, then written beside the target and renamed over it.
#pragma once

#include <QString>

class QImage;

// The name with ".png" added when it has no extension.
QString pictureName(const QString &path);
// Empty when Qt can write path's format; else one line saying it cannot.
QString pictureFormatProblem(const QString &path);
// Empty when path's format can hold a transparent background; else one line saying it cannot.
QString transparencyProblem(const QString &path);
// false, with *error set to one line, when the picture could not be written.
bool writeImageFile(const QImage &image, const QString &path, QString *error);
