#pragma once
#include <QTimer>
#include <QWidget>

// A small busy indicator: a turning sapphire ring, hidden while idle. Baslat shows and starts it,
// Durdur stops and hides it.
class TMesgulGostergesi : public QWidget {
    Q_OBJECT
public:
    explicit TMesgulGostergesi(QWidget* ebeveyn = nullptr, int boy = 22);

    void Baslat();
    void Durdur();
    bool Calisiyor() const { return zamanlayici_.isActive(); }

    QSize sizeHint() const override { return QSize(boy_, boy_); }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QTimer zamanlayici_;
    int aci_ = 0;
    int boy_;
};
