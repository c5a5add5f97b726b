#include "app/Assets.h"

// The resources live in a static library, so they are registered by hand.
static void registerAssets() { Q_INIT_RESOURCE(assets); }

static void ensureAssetsRegistered() {
    static const bool registered = (registerAssets(), true);
    (void)registered;
}

QImage loadAsset(const QString& name) {
    ensureAssetsRegistered();
    QImage picture(QStringLiteral(":/assets/%1.jpg").arg(name), "JPEG");
    return picture.convertToFormat(QImage::Format_RGB32);
}

QIcon applicationIcon() {
    ensureAssetsRegistered();
    QIcon icon;
    for (const int size : {16, 32, 48, 256}) {
        icon.addFile(QStringLiteral(":/assets/icons/%1x%1/zenita.png").arg(size));
    }
    return icon;
}
