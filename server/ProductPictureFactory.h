#pragma once
#include <QByteArray>
#include <QString>

// Draws the product photo of a part (a stylised part on a studio background with its codes)
// and encodes it as JPEG.
class ProductPictureFactory {
public:
    struct Part {
        int stokno = 0;
        int shape = 0;
        QString barkod;
        QString adi;
        QString brand;
        QString vehicle;
    };
    static QByteArray jpeg(const Part& part, int width = 480, int height = 360);
};
