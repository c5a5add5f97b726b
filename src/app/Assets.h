// The pictures compiled into the program (JPEG files of assets/) and the
// program's icon (the PNG sizes of assets/icons/).
#pragma once

#include <QIcon>
#include <QImage>
#include <QString>

// The picture assets/<name>.jpg, decoded by Qt's JPEG reader.
QImage loadAsset(const QString& name);

// The icon of the windows, in the sizes drawn for it.
QIcon applicationIcon();
