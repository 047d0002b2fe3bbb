#pragma once
#include <QList>
#include <QString>

#include <functional>
#include <memory>

class QAbstractButton;
class QMessageBox;

// Dialog types: caption "Uyarı", "Hata", "Bilgi", "Soru"; a custom dialog has the application title.
enum class TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

// Button kinds in the order of their numbers (0 to 11); the number is what a default-button
// argument names.
enum class TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll,
                        mbHelp, mbClose };
using TMsgDlgButtons = QList<TMsgDlgBtn>;

inline const TMsgDlgButtons mbOKOnly{TMsgDlgBtn::mbOK};
inline const TMsgDlgButtons mbYesNo{TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo};

// The Turkish caption of a button kind ("Evet", "Hayır", "Tamam", …).
QString DugmeBasligi(TMsgDlgBtn dugme);
// The caption of a dialog type ("Uyarı", …; the application title for a custom dialog).
QString DiyalogBasligi(TMsgDlgType tip);

// The message and question dialog of the program: the text with the icon of its type, the buttons of
// the set in the platform's order with Turkish captions, centred over the active window, with the
// type's system sound. The default button has the focus; when the set lacks it the platform's choice
// stands (OK, else Yes, else the first). Returns the button pressed; closing the dialog answers
// Cancel, else No, else OK, whichever the set holds. Runs on the interface thread (a call from a
// worker is handed over and waited for).
TMsgDlgBtn MesajSor(const QString& metin, TMsgDlgType tip, const TMsgDlgButtons& dugmeler, TMsgDlgBtn varsayilan);

// The dialog MesajSor shows, built but not shown (tests look at its captions and focus).
std::unique_ptr<QMessageBox> MesajDiyaloguOlustur(const QString& metin, TMsgDlgType tip,
                                                  const TMsgDlgButtons& dugmeler, TMsgDlgBtn varsayilan);
// The button kind a button of such a dialog stands for.
TMsgDlgBtn DiyalogDugmesi(const QMessageBox& diyalog, const QAbstractButton* dugme);

// Point size of the message text and buttons of every message dialog (set at start; 0: the
// application font).
void MesajYaziBoyutuAyarla(int punto);
int MesajYaziBoyutu();

// One message as MesajSor was asked to show it.
struct MesajKaydi {
    QString metin;
    TMsgDlgType tip = TMsgDlgType::mtCustom;
    TMsgDlgButtons dugmeler;
    TMsgDlgBtn odak = TMsgDlgBtn::mbOK;  // the button that would have the focus
    QString baslik;
};

// Test hook: while set, MesajSor shows nothing; it hands the message to the hook and returns its
// answer. An empty hook restores the dialog.
using MesajSorKancasi = std::function<TMsgDlgBtn(const MesajKaydi&)>;
void MesajSorKancasiAyarla(MesajSorKancasi kanca);
