#pragma once
#include <QWidget>

struct MusteriTipiKurallari;

// Base of the content of a tab page of the main window. The page loads in its own show event (a tab
// page's content is shown when its tab becomes current) and talks to the window only through
// AnaPencereArayuzu.
class SekmeSayfasi : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // Called once after the login: apply the column rules of this page's grid views.
    virtual void MusteriTipineUyarla(const MusteriTipiKurallari& kurallar);
};
