#pragma once
#include <QTextDocument>
#include <QTimer>
#include <QWidget>

// The ticker: at most one item of simple HTML text that scrolls from right to left across the
// bottom of the main window, again and again. Empty, it shows nothing (and keeps running).
class TKayanYazi : public QWidget {
    Q_OBJECT
public:
    explicit TKayanYazi(QWidget* ebeveyn = nullptr);

    void Baslat();
    void Durdur();
    bool Calisiyor() const { return zamanlayici_.isActive(); }
    void OgeleriTemizle();
    void OgeEkle(const QString& html);
    QStringList Ogeler() const { return ogeler_; }

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    void belgeKur();

    QStringList ogeler_;
    QTextDocument belge_;
    QTimer zamanlayici_;
    qreal konum_ = 0;
};
