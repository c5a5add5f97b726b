// The pictures compiled into the program (JPEG files of assets/).
#pragma once

#include <QImage>
#include <QString>

// The picture assets/<name>.jpg, decoded by Qt's JPEG reader.
QImage loadAsset(const QString& name);
