#pragma once
#include <QByteArray>

// The three banners: the header banner (animated GIF, 409 x 100), the top strip (GIF) and the
// bottom banner (BMP).
class BannerFactory {
public:
    static QByteArray headerGif();
    static QByteArray stripGif();
    static QByteArray bottomBmp();
};
