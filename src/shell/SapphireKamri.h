#pragma once
#include <QColor>
#include <QProxyStyle>

class QApplication;

// The visual style of the program, "Sapphire Kamri": Fusion underneath, a sapphire palette, the
// style sheet :/stil/sapphire_kamri.qss, and the tab painter TTabColorControlStyleHook for every tab
// bar (fixed 120 × 45 tabs with icon, title and count badge). Passwords show as "*", dialog buttons
// come in the Windows order (Evet before Hayır).
class SapphireKamri : public QProxyStyle {
    Q_OBJECT
public:
    static constexpr const char* kAdi = "Sapphire Kamri";

    SapphireKamri();

    // Applies the style, palette and style sheet to the application. False (with a warning) when the
    // style sheet cannot be read; the style itself still applies.
    static bool Uygula(QApplication& uygulama);
    static QPalette Palet();
    // Loads the Tahoma-metric font when the desktop ships one.
    static void YazitipleriniYukle();

    static QColor Safir() { return QColor(0x0f, 0x52, 0xba); }
    static QColor Lacivert() { return QColor(0x10, 0x2a, 0x4f); }
    static QColor Cerceve() { return QColor(0xa9, 0xbb, 0xd6); }

    static constexpr int kSekmeGenisligi = 120;
    static constexpr int kSekmeYuksekligi = 45;

    void drawControl(ControlElement e, const QStyleOption* o, QPainter* p, const QWidget* w) const override;
    void drawPrimitive(PrimitiveElement e, const QStyleOption* o, QPainter* p, const QWidget* w) const override;
    QSize sizeFromContents(ContentsType t, const QStyleOption* o, const QSize& s, const QWidget* w) const override;
    int styleHint(StyleHint h, const QStyleOption* o, const QWidget* w, QStyleHintReturn* r) const override;
    int pixelMetric(PixelMetric m, const QStyleOption* o, const QWidget* w) const override;
    void polish(QWidget* w) override;
    using QProxyStyle::polish;
};
