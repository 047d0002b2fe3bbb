#include "GifEncoder.h"

#include <vector>

namespace {

void put16(QByteArray& out, int v)
{
    out.append(char(v & 0xFF));
    out.append(char((v >> 8) & 0xFF));
}

// Collects LZW codes least significant bit first and cuts them into sub-blocks of 255 bytes.
class BitWriter {
public:
    explicit BitWriter(QByteArray& out) : out_(out) {}
    void write(int code, int size)
    {
        acc_ |= quint32(code) << bits_;
        bits_ += size;
        while (bits_ >= 8) {
            byte(char(acc_ & 0xFF));
            acc_ >>= 8;
            bits_ -= 8;
        }
    }
    void flush()
    {
        if (bits_ > 0)
            byte(char(acc_ & 0xFF));
        acc_ = 0;
        bits_ = 0;
        if (!block_.isEmpty()) {
            out_.append(char(block_.size()));
            out_.append(block_);
            block_.clear();
        }
        out_.append('\0');
    }

private:
    void byte(char b)
    {
        block_.append(b);
        if (block_.size() == 255) {
            out_.append(char(255));
            out_.append(block_);
            block_.clear();
        }
    }
    QByteArray& out_;
    QByteArray block_;
    quint32 acc_ = 0;
    int bits_ = 0;
};

} // namespace

GifEncoder::GifEncoder(int width, int height) : width_(width), height_(height) {}

int GifEncoder::paletteIndex(QRgb c)
{
    const int r = (qRed(c) * 5 + 127) / 255, g = (qGreen(c) * 6 + 127) / 255, b = (qBlue(c) * 5 + 127) / 255;
    return r * 42 + g * 6 + b;
}

void GifEncoder::addFrame(const QImage& frame, int delay)
{
    QImage img = frame.size() == QSize(width_, height_) ? frame : frame.scaled(width_, height_);
    img = img.convertToFormat(QImage::Format_RGB32);
    // Graphic control extension: no transparency, the delay.
    body_.append("\x21\xF9\x04\x00", 4);
    put16(body_, delay);
    body_.append("\x00\x00", 2);
    // Image descriptor over the whole canvas, global palette.
    body_.append('\x2C');
    put16(body_, 0);
    put16(body_, 0);
    put16(body_, width_);
    put16(body_, height_);
    body_.append('\0');
    QByteArray indices;
    indices.reserve(width_ * height_);
    for (int y = 0; y < height_; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < width_; ++x)
            indices.append(char(paletteIndex(line[x])));
    }
    lzw(indices);
    ++frames_;
}

void GifEncoder::lzw(const QByteArray& px)
{
    constexpr int minCodeSize = 8, clearCode = 256, eoiCode = 257;
    body_.append(char(minCodeSize));
    BitWriter bits(body_);
    // Dictionary as a tree: child[code * 256 + byte] = code of the longer string, 0 = none.
    std::vector<quint16> child(4096 * 256, 0);
    int codeSize = minCodeSize + 1;
    int maxCode = eoiCode;
    bits.write(clearCode, codeSize);
    int current = static_cast<unsigned char>(px[0]);
    for (qsizetype i = 1; i < px.size(); ++i) {
        const int next = static_cast<unsigned char>(px[i]);
        const quint16 found = child[size_t(current) * 256 + size_t(next)];
        if (found) {
            current = found;
            continue;
        }
        bits.write(current, codeSize);
        ++maxCode;
        child[size_t(current) * 256 + size_t(next)] = quint16(maxCode);
        if (maxCode >= (1 << codeSize))
            ++codeSize;
        if (maxCode == 4095) {
            bits.write(clearCode, codeSize);
            std::fill(child.begin(), child.end(), 0);
            codeSize = minCodeSize + 1;
            maxCode = eoiCode;
        }
        current = next;
    }
    bits.write(current, codeSize);
    bits.write(eoiCode, codeSize);
    bits.flush();
}

QByteArray GifEncoder::finish()
{
    QByteArray out("GIF89a");
    put16(out, width_);
    put16(out, height_);
    out.append(char(0xF7)); // global palette of 256 entries, 8 bits per primary
    out.append('\0');
    out.append('\0');
    for (int i = 0; i < 256; ++i) {
        int r, g, b;
        if (i < 252) {
            r = (i / 42) * 255 / 5;
            g = ((i / 6) % 7) * 255 / 6;
            b = (i % 6) * 255 / 5;
        } else {
            r = g = b = 48 + (i - 252) * 48;
        }
        out.append(char(r));
        out.append(char(g));
        out.append(char(b));
    }
    if (frames_ > 1)
        out.append("\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00", 19);
    out.append(body_);
    out.append('\x3B');
    return out;
}
