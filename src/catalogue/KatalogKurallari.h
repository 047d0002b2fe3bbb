#pragma once
#include <QChar>
#include <QLocale>
#include <QString>

// The pure rules of the parts catalogue: what the search box does to a key, how a search text is
// trimmed, how a quantity snaps to the package quantity and how prices and totals are computed.

// Shortest search text that starts a search.
inline constexpr int kEnAzAramaHarfi = 3;
// Widest main window (pixels) that still gets the narrow stock list with the "Fiyat Bilgisi" cell;
// the promotion lists use the same bound on the screen width.
inline constexpr int kDarPencereSiniri = 1152;

// The search box folds Turkish letters before anything else: ğüşöç → gusoc, ĞÜŞÖÇ → GUSOC and both
// İ and ı → I. Every other character passes unchanged.
QChar AramaHarfiKatla(QChar harf);

// Removes blanks and control characters (anything up to U+0020) at both ends.
QString KenarBosluklariniKirp(const QString& metin);

// The step of the quantity: the package quantity, or 1 when the package quantity is 0 or less
// (a step of 0 would divide by zero).
int AdetAdimi(int paketAdedi);

// The quantity rule: the largest multiple of `adim` not above `deger` (deger − deger mod adim).
int AdetAdimla(int deger, int adim);

// Net price with VAT: net × (1 + kdv ÷ 100), rounded to two decimals (half away from zero).
double KdvliFiyatHesapla(double netFiyat, double kdvOrani);

// A line total: quantity × unit price, rounded to two decimals.
double SatirTutari(double adet, double birimFiyat);

// The text of the "Fiyat Bilgisi" cell: list price, the campaign price only when above 0, net price
// and price with VAT, each on its own "\r\n"-terminated line, amounts as "#,###,##0.00".
QString FiyatBilgisiMetni(double listeFiyati, double kampanyaFiyati, double netFiyat, double kdvliFiyat,
                          const QLocale& yerel = QLocale());

// True for a window (or screen) wide enough for the weighted layout.
inline bool GenisYerlesim(int genislik) { return genislik > kDarPencereSiniri; }
