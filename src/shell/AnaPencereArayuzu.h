#pragma once
#include "Sayfa.h"

#include <QString>

class QAbstractButton;
class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;
class TClientDataSet;
class TKayanYazi;
class TMesgulGostergesi;
class TSQLConnection;
class TSonucBilgisi;
struct CaprazIslemler;
struct MusteriTipiKurallari;

// What the pages and dialogs of the subsystems may use of the main window. They never include
// TForm1; the window implements this interface (tests implement it with a small fake).
//
// Everything here is for the interface thread. A worker hands its changes over with
// ArayuzdeCalistir and takes its copy of the sign-in record (sbilgi().Kopya()) before it starts.
class AnaPencereArayuzu {
public:
    virtual ~AnaPencereArayuzu() = default;

    // The main window (owner of the dialogs the pages open).
    virtual QWidget* Pencere() = 0;
    // The one sign-in record of the process, and the main connection (background work clones it).
    virtual TSonucBilgisi& sbilgi() = 0;
    virtual TSQLConnection& bagc() = 0;
    // What the signed-in customer type shows and hides (set once after the login).
    virtual const MusteriTipiKurallari& Kurallar() const = 0;
    // The client tables the window holds for its pages.
    virtual TClientDataSet& Tablo(AnaTablo t) = 0;

    // Tab pages: make one the active page (its show event loads it), read and write captions in the
    // "<count>=<title>" convention.
    virtual void SayfaGoster(Sayfa s) = 0;
    virtual Sayfa AktifSayfa() const = 0;
    virtual QString SekmeBasligi(Sayfa s) const = 0;
    virtual void SekmeBasligiYaz(Sayfa s, const QString& baslik) = 0;

    // The search bar: the search box, its buttons "Ara" (SpeedButton2) and "Temizle" (SpeedButton1),
    // the department list, and the busy indicators of the loads.
    virtual QLineEdit* araedit() = 0;
    virtual QAbstractButton* SpeedButton2() = 0;
    virtual QAbstractButton* SpeedButton1() = 0;
    virtual QComboBox* comdepartman() = 0;
    virtual TMesgulGostergesi* MesgulGostergesi(Gosterge g) = 0;
    // Presses "Ara" for the user (the stock page decides whether a search starts).
    virtual void AraBas() = 0;

    // The frame's notice places: the ticker and the header banner.
    virtual TKayanYazi* kayanyazi() = 0;
    virtual QLabel* GifResim1() = 0;
    // Number of opening advertisements the server offers (0 until fetched).
    virtual int AcilisAdet() const = 0;

    // Rewrites the three header labels from sbilgi (after a customer change).
    virtual void AnaBilgiAl() = 0;

    // Cross-page operations, forwarded to the page that installed them in Islemler().
    virtual void SepetYenile() = 0;
    virtual void StokSatiriEkle(int stokno) = 0;
    virtual void SepetSatiriDuzenle(int sirano) = 0;
    virtual void TumSiparisleriGoster(int stokno) = 0;
    virtual CaprazIslemler& Islemler() = 0;
};
