#pragma once
#include <QByteArray>
#include <QString>

// The JPEG of an announcement or opening advertisement (605 x 405): a coloured poster with
// the title and a call to action.
class ScreenPictureFactory {
public:
    static QByteArray jpeg(int sirano, const QString& title, const QString& subtitle, int colour);
};
