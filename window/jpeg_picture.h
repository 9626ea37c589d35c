#pragma once

#include <QByteArray>
#include <QImage>

// Decodes a JPEG held in memory with libjpeg. Data that is not a complete,
// sound JPEG (libjpeg reports an error or a corrupt-data warning) yields a null
// image; nothing is written to the standard streams and the program never stops.
QImage decodeJpeg(const QByteArray& bytes);
