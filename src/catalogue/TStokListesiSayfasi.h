#pragma once
#include "SekmeSayfasi.h"
#include "TGridCellState.h"

class AnaPencereArayuzu;
class QKeyEvent;
class QMenu;
class QPainter;
class TClientDataSet;
class TGridView;

// The "Stok Listesi" page: the stock search started from the window's search bar (araedit, "Ara",
// "Temizle", the department list), the stock grid with its width rule and "Fiyat Bilgisi" cell, and
// opening a row in the stock line dialog.
class TStokListesiSayfasi : public SekmeSayfasi {
    Q_OBJECT
public:
    TStokListesiSayfasi(AnaPencereArayuzu& ana, QWidget* ebeveyn);

    void MusteriTipineUyarla(const MusteriTipiKurallari& kurallar) override;

    // Enter in araedit, "Ara" and a department change: starts a search (or warns).
    void AramaBaslat();
    // "Temizle": only while araedit is enabled.
    void SpeedButton1Click();
    // The column width rule (narrow up to a window width of 1152, wide above).
    void StokSutunAyarla();
    // Double-click and "Sepete Ekle": the stock line dialog for the focused row.
    void cxGrid1DBTableView1DblClick();
    // "Siparişleri Göster": the order movements of the focused row's stock.
    void S3Click();

    bool Araniyor() const { return araniyor_; }
    TGridView* cxGrid1DBTableView1() const { return izgara_; }
    QMenu* popstok() const { return popstok_; }

protected:
    bool eventFilter(QObject* nesne, QEvent* olay) override;

private:
    void araeditKeyPress(QKeyEvent* olay, bool& tuketildi);
    void cxGrid1Resize();
    void aramaBitti(bool basarili);
    void fiyatBilgisiCiz(QPainter& p, const QRect& r, int kayit, const TGridCellState& durum);
    TClientDataSet& stok();

    AnaPencereArayuzu& ana_;
    TGridView* izgara_ = nullptr;
    QMenu* popstok_ = nullptr;
    bool araniyor_ = false;
};
