#pragma once
#include <QByteArray>
#include <QImage>

// A small GIF89a writer: one global 256-colour palette (a 6x7x6 colour cube and four greys),
// LZW-compressed frames, and a looping animation when there is more than one frame.
class GifEncoder {
public:
    GifEncoder(int width, int height);
    // The frame is scaled to the canvas if its size differs; delay in 1/100 s.
    void addFrame(const QImage& frame, int delayCentiseconds = 10);
    QByteArray finish();

private:
    static int paletteIndex(QRgb c);
    void lzw(const QByteArray& indices);

    int width_;
    int height_;
    int frames_ = 0;
    QByteArray body_;
};
