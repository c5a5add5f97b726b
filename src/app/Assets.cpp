#include "app/Assets.h"

// The resources live in a static library, so they are registered by hand.
static void registerAssets() { Q_INIT_RESOURCE(assets); }

QImage loadAsset(const QString& name) {
    static const bool registered = (registerAssets(), true);
    (void)registered;
    QImage picture(QStringLiteral(":/assets/%1.jpg").arg(name), "JPEG");
    return picture.convertToFormat(QImage::Format_RGB32);
}
