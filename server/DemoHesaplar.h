#pragma once
// The seeded demo accounts. Workstation identities are what the client sends to BuyukGetir;
// user names and passwords are upper case because the login dialog types them that way.

namespace demohesap {

struct Hesap {
    const char* bilgisayarId; // FBILGISAYARID
    const char* kullanici;    // FADI
    const char* sifre;        // FSIFRE
    int sirano;               // FSirano (the user's record number)
    int carino;               // FCARINO
    int musteriTipi;          // FMusteriTipi
    int aktif;                // FAKTIF
    int version;              // FVersion
};

// Customer type 1: the distributor's staff (acts for any customer).
inline constexpr Hesap kPersonel{"TLM-DEMO-TIP1", "MERKEZ", "M1234", 1, 1001, 1, 1, 5};
// Customer type 2: a sales representative.
inline constexpr Hesap kTemsilci{"TLM-DEMO-TIP2", "TEMSILCI", "T1234", 2, 1002, 2, 1, 5};
// Customer type 3: a dealer.
inline constexpr Hesap kBayi{"TLM-DEMO-TIP3", "BAYI", "B1234", 3, 1003, 3, 1, 5};
// Customer type 4: a dealer with the fewest features (no campaign page).
inline constexpr Hesap kBayi4{"TLM-DEMO-TIP4", "BAYI4", "D1234", 4, 1004, 4, 1, 5};
// A user whose account is not active (FAKTIF 0), correct credentials notwithstanding.
inline constexpr Hesap kPasif{"TLM-DEMO-PASIF", "PASIF", "P1234", 5, 1005, 3, 0, 5};
// A workstation whose record asks for client version 6 (the login starts the installer download).
inline constexpr Hesap kGuncelleme{"TLM-DEMO-V6", "GUNCEL", "G1234", 6, 1006, 3, 1, 6};

inline constexpr const Hesap* kTumHesaplar[] = {&kPersonel, &kTemsilci, &kBayi, &kBayi4, &kPasif, &kGuncelleme};

// An identity that is never registered (BuyukGetir answers FVarmi false, FVersion 5) unless the
// server runs with registerAnyWorkstation.
inline constexpr const char* kBilinmeyenId = "TLM-DEMO-YOK";

// With registerAnyWorkstation an unknown identity is registered with these credentials, as a
// dealer (customer type 3) of this customer account.
inline constexpr const char* kYeniKullanici = "DEMO";
inline constexpr const char* kYeniSifre = "DEMO";
inline constexpr int kYeniCarino = 1007;
inline constexpr int kYeniMusteriTipi = 3;

// Customer numbers of the seeded accounts run from kIlkCarino to kIlkCarino + kCariSayisi - 1.
inline constexpr int kIlkCarino = 1001;
inline constexpr int kCariSayisi = 40;

// The version the client expects to find in FVersion.
inline constexpr int kIstemciSurumu = 5;

} // namespace demohesap
